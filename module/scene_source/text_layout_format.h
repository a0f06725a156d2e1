#pragma once

#include "module/scene_source/gdi_owners.h"

// The string format that text is both measured and drawn with: a copy of
// GDI+'s generic typographic format with the flags MeasureTrailingSpaces |
// NoFitBlackBox only and word trimming. Null when GDI+ cannot make it.
// The caller holds the GDI+ lock.
OwnedFormat CreateTextLayoutFormat();
