/* The two types of Adafruit GFX fonts, written from the library's documented layout, so that the
   tests compile our GFX headers as firmware would without the library installed. */
#ifndef _GFXFONT_H_
#define _GFXFONT_H_

#include <stdint.h>

typedef struct {
    uint16_t bitmapOffset; /* into GFXfont.bitmap */
    uint8_t width;         /* the glyph's box */
    uint8_t height;
    uint8_t xAdvance; /* from this glyph's cursor to the next */
    int8_t xOffset;   /* from the cursor to the box's top left */
    int8_t yOffset;
} GFXglyph;

typedef struct {
    uint8_t* bitmap; /* the glyphs' bits, one after another */
    GFXglyph* glyph;
    uint16_t first; /* the codes of the first and last glyph */
    uint16_t last;
    uint8_t yAdvance; /* from line to line */
} GFXfont;

#endif
