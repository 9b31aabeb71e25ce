// Messages the player must see: a message box when a display can show one,
// standard error otherwise. Tests replace the sink to capture messages instead
// of blocking on a window.
#pragma once

#include <functional>
#include <string>

enum class TMessageBoxIcon { Information, Error };

// Text and Caption are Windows-1252, like every game string.
void ShowMessageBox(const std::string& Text, const std::string& Caption, TMessageBoxIcon Icon = TMessageBoxIcon::Information);

using TMessageBoxSink = std::function<void(const std::string& Text, const std::string& Caption)>;
// Installs a sink that receives every message instead of the screen; empty restores the default.
void SetMessageBoxSink(TMessageBoxSink Sink);
