#pragma once

// The GDI+ flat functions that only the stand-in's path drawing calls, to
// see whether a drawing is one it can do itself (path_drawing.cpp).

#include "platform/gdiplus_flat.h"

extern "C" {

struct GpMatrix;
struct GpRegion;

GpStatus GdipGetPointCount(GpPath* path, int* count);
GpStatus GdipGetPathPoints(GpPath* path, GpPointF* points, int count);
GpStatus GdipGetPathTypes(GpPath* path, uint8_t* types, int count);
GpStatus GdipGetPathFillMode(GpPath* path, int* fill_mode);

GpStatus GdipGetCompositingMode(GpGraphics* graphics, int* mode);
GpStatus GdipGetSmoothingMode(GpGraphics* graphics, int* mode);
GpStatus GdipGetPageUnit(GpGraphics* graphics, int* unit);
GpStatus GdipGetPageScale(GpGraphics* graphics, REAL* scale);
GpStatus GdipGetVisibleClipBounds(GpGraphics* graphics, GpRectF* bounds);
GpStatus GdipGetWorldTransform(GpGraphics* graphics, GpMatrix* matrix);
GpStatus GdipCreateMatrix(GpMatrix** matrix);
GpStatus GdipIsMatrixIdentity(const GpMatrix* matrix, win::BOOL* identity);
GpStatus GdipDeleteMatrix(GpMatrix* matrix);

GpStatus GdipGetPenFillType(GpPen* pen, int* type);
GpStatus GdipGetPenColor(GpPen* pen, ARGB* color);
GpStatus GdipGetPenWidth(GpPen* pen, REAL* width);
GpStatus GdipGetPenUnit(GpPen* pen, int* unit);
GpStatus GdipGetPenLineJoin(GpPen* pen, int* join);
GpStatus GdipGetPenDashStyle(GpPen* pen, int* style);
GpStatus GdipGetPenCompoundCount(GpPen* pen, int* count);
GpStatus GdipGetPenMode(GpPen* pen, int* alignment);
GpStatus GdipGetPenTransform(GpPen* pen, GpMatrix* matrix);

GpStatus GdipGetBrushType(GpBrush* brush, int* type);
GpStatus GdipGetSolidFillColor(GpSolidFill* brush, ARGB* color);

GpStatus GdipDrawImageRectI(GpGraphics* graphics, GpImage* image, int x, int y, int width, int height);

}  // extern "C"
