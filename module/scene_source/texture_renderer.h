#pragma once

class QuilloraThanksImage;

// Renders the module-wide DisplayText in the source's font and colours into
// pixel memory and hands it to the source's texture (refilled when the size
// is unchanged, made anew otherwise). Keeps no GDI or GDI+ object.
void UpdateTexture(QuilloraThanksImage* source);
