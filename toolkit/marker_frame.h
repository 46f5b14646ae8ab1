#pragma once
// A marker frame around a rectangle: a bright frame on a darker, wider one,
// so that it shows over light and dark pictures alike. Used by the tile
// cursor, the match outline and the focus ring.
struct MarkerStyle {
    float margin = 0.0f;       // how far the frame lies outside the rectangle
    float darkWidth = 0.0f;    // width of the dark frame
    float brightWidth = 0.0f;  // width of the bright frame, centred on the dark one
    int r = 255;               // colour of the bright frame
    int g = 255;
    int b = 255;
};

// Draws with alpha blending at the given opacity; the drawing state is put back.
void DrawMarkerFrame(float x, float y, float width, float height, const MarkerStyle& style,
                     float alpha = 1.0f);
