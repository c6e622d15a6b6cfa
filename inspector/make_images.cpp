// make_images.cpp -- draws the inspector's logo (64 x 64) and icon (32 x 32), both 24 bits per pixel.
//
//   make_images LOGO.bmp ICON.ico
//
// A build-time tool that runs on the build machine: a page of fixed-length
// records under a magnifying glass, drawn from shapes with 4 x 4 supersampling.
#include <math.h>
#include <stdint.h>
#include <stdio.h>

#include <vector>

namespace
{

struct Colour {
    double r, g, b;
};

const Colour background_top = {0.06, 0.30, 0.42};
const Colour background_bottom = {0.02, 0.14, 0.24};
const Colour page = {0.97, 0.97, 0.94};
const Colour fold = {0.78, 0.80, 0.80};
const Colour record_line = {0.45, 0.52, 0.58};
const Colour lens = {0.80, 0.92, 0.98};
const Colour rim = {0.95, 0.66, 0.10};
const Colour handle = {0.45, 0.25, 0.08};

Colour mix(Colour a, Colour b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// Distance from (x, y) to the segment (ax, ay)-(bx, by).
double segment_distance(double x, double y, double ax, double ay, double bx, double by)
{
    double dx = bx - ax, dy = by - ay;
    double t = ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy);
    t = t < 0 ? 0 : (t > 1 ? 1 : t);
    double px = ax + t * dx - x, py = ay + t * dy - y;
    return sqrt(px * px + py * py);
}

// The colour at (x, y), both from 0 to 1, y downwards.
Colour shade(double x, double y)
{
    Colour c = mix(background_top, background_bottom, y);
    // The page, with its top right corner folded.
    const double left = 0.16, right = 0.70, top = 0.10, bottom = 0.90, corner = 0.14;
    bool on_page = x >= left && x <= right && y >= top && y <= bottom && (right - x) + (y - top) >= corner;
    if (on_page) {
        c = page;
        if ((right - x) + (y - top) < corner + 0.025 && x > right - corner && y < top + corner)
            c = fold;
        // Records: rows of equal length, each a line of text.
        for (int row = 0; row < 8; ++row) {
            double line_y = 0.28 + row * 0.075;
            double line_end = row == 7 ? 0.44 : 0.62;
            if (fabs(y - line_y) < 0.018 && x > 0.23 && x < line_end)
                c = record_line;
        }
    }
    // The magnifying glass: handle, lens and rim.
    const double cx = 0.60, cy = 0.58, radius = 0.20;
    if (segment_distance(x, y, cx + 0.16, cy + 0.16, 0.92, 0.92) < 0.065)
        c = handle;
    double d = sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy));
    if (d < radius)
        c = mix(c, lens, 0.55);
    if (d >= radius - 0.005 && d < radius + 0.055)
        c = rim;
    return c;
}

// Pixels bottom row first, blue-green-red, as bitmaps store them.
std::vector<uint8_t> draw(int size)
{
    std::vector<uint8_t> pixels;
    for (int row = size - 1; row >= 0; --row) {
        for (int column = 0; column < size; ++column) {
            Colour sum = {0, 0, 0};
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx) {
                    Colour c = shade((column + (sx + 0.5) / 4) / size, (row + (sy + 0.5) / 4) / size);
                    sum = {sum.r + c.r / 16, sum.g + c.g / 16, sum.b + c.b / 16};
                }
            pixels.push_back((uint8_t)lround(sum.b * 255));
            pixels.push_back((uint8_t)lround(sum.g * 255));
            pixels.push_back((uint8_t)lround(sum.r * 255));
        }
        while (pixels.size() % 4 != 0) // rows are padded to four bytes
            pixels.push_back(0);
    }
    return pixels;
}

void put16(std::vector<uint8_t> &out, uint32_t value)
{
    out.push_back(value & 0xFF);
    out.push_back((value >> 8) & 0xFF);
}

void put32(std::vector<uint8_t> &out, uint32_t value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

// BITMAPINFOHEADER of a 24-bit image; an icon's image counts its mask in the height.
void put_info_header(std::vector<uint8_t> &out, int width, int height, uint32_t image_size)
{
    put32(out, 40);
    put32(out, (uint32_t)width);
    put32(out, (uint32_t)height);
    put16(out, 1);  // planes
    put16(out, 24); // bits per pixel
    put32(out, 0);  // no compression
    put32(out, image_size);
    put32(out, 2835); // 72 dots per inch
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
}

bool write_file(const char *path, const std::vector<uint8_t> &bytes)
{
    FILE *file = fopen(path, "wb");
    if (file == NULL)
        return false;
    bool written = fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return fclose(file) == 0 && written;
}

std::vector<uint8_t> bitmap_file(int size)
{
    std::vector<uint8_t> pixels = draw(size);
    std::vector<uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    put32(out, (uint32_t)(14 + 40 + pixels.size()));
    put32(out, 0);
    put32(out, 14 + 40);
    put_info_header(out, size, size, (uint32_t)pixels.size());
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

std::vector<uint8_t> icon_file(int size)
{
    std::vector<uint8_t> pixels = draw(size);
    // The AND mask: one bit per pixel, rows padded to four bytes, all clear (opaque).
    std::vector<uint8_t> mask((size_t)((size + 31) / 32 * 4 * size), 0);
    std::vector<uint8_t> image;
    put_info_header(image, size, 2 * size, (uint32_t)(pixels.size() + mask.size()));
    image.insert(image.end(), pixels.begin(), pixels.end());
    image.insert(image.end(), mask.begin(), mask.end());

    std::vector<uint8_t> out;
    put16(out, 0); // reserved
    put16(out, 1); // an icon
    put16(out, 1); // one image
    out.push_back((uint8_t)size);
    out.push_back((uint8_t)size);
    out.push_back(0); // no palette
    out.push_back(0);
    put16(out, 1);  // planes
    put16(out, 24); // bits per pixel
    put32(out, (uint32_t)image.size());
    put32(out, 6 + 16);
    out.insert(out.end(), image.begin(), image.end());
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: make_images LOGO.bmp ICON.ico\n");
        return 2;
    }
    if (!write_file(argv[1], bitmap_file(64)) || !write_file(argv[2], icon_file(32))) {
        fprintf(stderr, "make_images: cannot write the images\n");
        return 1;
    }
    return 0;
}
