#include "FrameCursorClass.h"

TFrameCursor FrameCursor = TFrameCursor::Arrow;
