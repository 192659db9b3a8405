#pragma once

// A tile seen slightly from the lower left: its face fills the upper right of the picture
// and its edge is the face shifted 1 to `depth` pixels left and down, which cuts the
// picture's top-left and bottom-right corners off along the diagonal.
// Returns 0 on the face, 1..depth on the edge and -1 in the cut corners.
inline int tileEdgeDepthAt(int x, int y, int width, int height, int depth) {
    for (int shift = 0; shift <= depth; ++shift) {
        const int faceX = x + shift;
        const int faceY = y - shift;
        if (faceX >= depth && faceX < width && faceY >= 0 && faceY < height - depth) {
            return shift;
        }
    }
    return -1;
}
