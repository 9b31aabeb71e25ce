// Contact sheets: one overview picture per image folder, every image shown with its
// pattern grid marked and its name, grid and pattern size written under it.
#pragma once

#include "CatalogueClass.h"

#include <string>

// Reads the generated images below GameDir and writes one PNG per folder into OutDir.
// Returns the number of sheets written.
int WriteContactSheets(const TCatalogue& Catalogue, const std::string& GameDir, const std::string& OutDir);
