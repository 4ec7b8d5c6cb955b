// The bubble photograph, shaded pixel by pixel. At the plain resolution it is
// shaded at build time (make_photographs writes the raw pixels the program
// embeds, so that the first window shows it without any work); the denser
// copies for the zoom and dense screens are shaded by the program when a
// window first needs one, which keeps them out of the download.

#include "resources/photograph.h"

#include <QPointF>

#include <algorithm>
#include <cmath>
#include <thread>
#include <vector>

namespace vielnis::pictures {

namespace {

// ---------------------------------------------------------------------------
// Small helpers
// ---------------------------------------------------------------------------

// A fixed pseudo-random sequence (splitmix64), so the bubble heap is the same
// on every run and every machine.
class Random {
public:
    explicit Random(quint64 seed) : m_state(seed) {}

    quint64 next() {
        m_state += 0x9E3779B97F4A7C15ull;
        quint64 z = m_state;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1).
    qreal uniform() { return qreal(next() >> 11) * (1.0 / 9007199254740992.0); }
    qreal range(qreal low, qreal high) { return low + (high - low) * uniform(); }

private:
    quint64 m_state;
};

qreal clamp01(qreal v) {
    return std::clamp(v, qreal(0), qreal(1));
}

qreal smoothstep(qreal edge0, qreal edge1, qreal x) {
    const qreal t = clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

// ---------------------------------------------------------------------------
// Bubble photograph
// ---------------------------------------------------------------------------

// The scene is laid out on a 739 x 487 canvas; the larger copy shows the same
// scene a little enlarged.
constexpr qreal kSceneWidth = 739;
constexpr qreal kSceneHeight = 487;

struct Bubble {
    QPointF centre;
    qreal radius;
    qreal brightness; // individual variation of the light the bubble catches
    qreal tilt;       // shifts the highlights a little, so not all bubbles look alike
};

// Upper edge of the heap: low at the left, rising towards the right, with a
// gentle swell so the crest does not look ruled.
qreal hillTop(qreal x) {
    const qreal u = x / kSceneWidth;
    return 305 - 180 * smoothstep(0.0, 0.86, u) + 10 * std::sin(x / 47.0) +
           6 * std::sin(x / 19.0 + 1.3);
}

const std::vector<Bubble> &bubbleHeap() {
    static const std::vector<Bubble> heap = [] {
        std::vector<Bubble> bubbles;
        bubbles.reserve(700);
        Random random(0x5EED0B0BB1E5ull);

        // A coarse grid of buckets keeps the overlap test cheap.
        constexpr qreal cell = 40;
        constexpr int columns = int((kSceneWidth + 120) / cell) + 1;
        constexpr int rows = int((kSceneHeight + 120) / cell) + 1;
        std::vector<std::vector<int>> buckets(columns * rows);
        auto bucketOf = [&](qreal x, qreal y) {
            const int cx = std::clamp(int((x + 60) / cell), 0, columns - 1);
            const int cy = std::clamp(int((y + 60) / cell), 0, rows - 1);
            return std::pair{cx, cy};
        };

        // Big bubbles first, then ever smaller ones settle into the gaps.
        const qreal passes[][2] = {{1.00, 420}, {0.72, 700}, {0.50, 1100}, {0.34, 1500}};
        for (const auto &pass : passes) {
            const qreal sizeScale = pass[0];
            const int attempts = int(pass[1]);
            for (int i = 0; i < attempts; ++i) {
                const qreal x = random.range(-30, kSceneWidth + 30);
                const qreal top = hillTop(x);
                const qreal y = random.range(top - 6, kSceneHeight + 30);
                // Bubbles nearer the camera (lower in the picture) look bigger.
                const qreal depth = clamp01((y - 120) / (kSceneHeight - 120));
                qreal r = (9 + 44 * depth) * sizeScale * random.range(0.6, 1.25);
                r = std::max<qreal>(r, 3.5);
                // Crest bubbles must not stick out far above the hill line.
                if (y - 0.35 * r < top)
                    continue;
                const auto [bx, by] = bucketOf(x, y);
                bool free = true;
                const int reach = int(std::ceil((r + 60) / cell));
                for (int gy = std::max(0, by - reach); free && gy <= std::min(rows - 1, by + reach);
                     ++gy) {
                    for (int gx = std::max(0, bx - reach);
                         free && gx <= std::min(columns - 1, bx + reach); ++gx) {
                        for (int index : buckets[gy * columns + gx]) {
                            const Bubble &other = bubbles[index];
                            const qreal dx = other.centre.x() - x;
                            const qreal dy = other.centre.y() - y;
                            const qreal minimum = 0.74 * (other.radius + r);
                            if (dx * dx + dy * dy < minimum * minimum) {
                                free = false;
                                break;
                            }
                        }
                    }
                }
                if (!free)
                    continue;
                buckets[by * columns + bx].push_back(int(bubbles.size()));
                bubbles.push_back(
                    {QPointF(x, y), r, random.range(0.65, 1.1), random.range(-0.25, 0.25)});
            }
        }
        // The lower a bubble sits, the nearer it is: draw from the back.
        std::sort(bubbles.begin(), bubbles.end(), [](const Bubble &a, const Bubble &b) {
            return a.centre.y() + 0.3 * a.radius < b.centre.y() + 0.3 * b.radius;
        });
        return bubbles;
    }();
    return heap;
}

// The photograph is shaded pixel by pixel: each bubble is a thin spherical
// film in front of whatever lies behind it. Working on the device pixels
// keeps the rims sharp at any scaling and is far quicker than building the
// picture from hundreds of gradient-filled shapes.

struct Rgb {
    float r = 0, g = 0, b = 0;
};

Rgb operator+(Rgb a, Rgb b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
Rgb operator*(Rgb a, float k) {
    return {a.r * k, a.g * k, a.b * k};
}
Rgb lerp(Rgb a, Rgb b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

float clampf(float v, float low = 0.f, float high = 1.f) {
    return v < low ? low : (v > high ? high : v);
}

// A soft bump that is 1 at t = 0 and falls to 0 at |t| = 1.
float bump(float t) {
    const float u = 1.f - t * t;
    return u > 0.f ? u * u : 0.f;
}

// The same bump, given the square of its argument.
float softSpot(float t2) {
    const float u = 1.f - t2;
    return u > 0.f ? u * u : 0.f;
}

// Horizontal colour ramp through several stops.
struct Ramp {
    struct Stop {
        float at;
        Rgb colour;
    };
    std::vector<Stop> stops;

    Rgb operator()(float t) const {
        const Stop *previous = &stops.front();
        if (t <= previous->at)
            return previous->colour;
        for (const Stop &stop : stops) {
            if (t <= stop.at) {
                const float span = stop.at - previous->at;
                return lerp(previous->colour, stop.colour,
                            span > 0 ? (t - previous->at) / span : 0);
            }
            previous = &stop;
        }
        return previous->colour;
    }
};

// The empty upper part: blue at the left, crimson at the right, darker
// between the two lamps.
const Ramp kSkyRamp{{{0.00f, {18, 36, 138}},
                     {0.25f, {22, 28, 108}},
                     {0.50f, {44, 18, 74}},
                     {0.76f, {110, 14, 52}},
                     {1.00f, {152, 16, 52}}}};
// The shadowed inside of the heap, seen only between bubbles.
const Ramp kBodyRamp{{{0.0f, {8, 14, 62}}, {0.5f, {18, 7, 32}}, {1.0f, {62, 7, 24}}}};

const Rgb kBlueLamp{95, 145, 255};
const Rgb kCrimsonLamp{255, 55, 100};
const Rgb kBlueGlint{215, 232, 255};
const Rgb kCrimsonGlint{255, 205, 220};

// How strongly the blue (left) and crimson (right) lamps light a point.
float blueLight(float x) {
    const float u = clampf(x / float(kSceneWidth));
    return std::pow(1.f - u, 1.5f);
}

float crimsonLight(float x) {
    const float u = clampf(x / float(kSceneWidth));
    return std::pow(u, 1.3f);
}

// Rows are shaded in bands of this many; the bands alternate between two
// threads.
constexpr int kBandRows = 8;

bool inBand(int row, int band, int bandCount) {
    return (row / kBandRows) % bandCount == band;
}

// Fills the rows of one band set of the image with the scene; sx and sy are
// device pixels per scene unit.
void shadePhotograph(QImage &image, float sx, float sy, int band, int bandCount) {
    const int width = image.width();
    const int height = image.height();
    uchar *const bits = image.bits(); // taken once: scanLine() would detach on every call
    const qsizetype stride = image.bytesPerLine();
    const float pixel = 1.f / std::min(sx, sy); // one device pixel in scene units

    // Sky and the dark body of the heap.
    std::vector<Rgb> sky(width);
    std::vector<Rgb> body(width);
    std::vector<float> bodyTop(width);
    for (int i = 0; i < width; ++i) {
        const float x = (i + 0.5f) / sx;
        const float u = x / float(kSceneWidth);
        sky[i] = kSkyRamp(u);
        body[i] = kBodyRamp(u);
        bodyTop[i] = float(hillTop(x)) + 24.f;
    }
    for (int j = 0; j < height; ++j) {
        if (!inBand(j, band, bandCount))
            continue;
        const float y = (j + 0.5f) / sy;
        const float v = y / float(kSceneHeight);
        // Studio fall-off: a little darker at the top and towards the floor.
        const float shade =
            (1.f - 0.27f * clampf(1.f - v / 0.45f)) * (1.f - 0.27f * clampf((v - 0.6f) / 0.4f));
        auto *line = reinterpret_cast<QRgb *>(bits + j * stride);
        for (int i = 0; i < width; ++i) {
            const float inBody = clampf((y - bodyTop[i]) / 18.f);
            const Rgb c = lerp(sky[i], body[i], inBody) * shade;
            line[i] = qRgb(int(c.r), int(c.g), int(c.b));
        }
    }

    for (const Bubble &bubble : bubbleHeap()) {
        const float cx = float(bubble.centre.x());
        const float cy = float(bubble.centre.y());
        const float r = float(bubble.radius);
        const float k = float(bubble.brightness);
        const float tilt = float(bubble.tilt);
        const float wb = blueLight(cx) * k;
        const float wc = crimsonLight(cx) * k;
        const Rgb tint = lerp(kBlueLamp, kCrimsonLamp, clampf(cx / float(kSceneWidth)));
        const float glow = std::max(wb, wc);

        const float edgeWidth = pixel / r; // one device pixel, in bubble radii
        const float rimWidth = 1.15f / r;  // the bright rim line, about one logical pixel
        const float arcWidth = std::max(0.9f / r, 0.035f);
        const float spotSize = std::max(0.15f, 2.4f / r);
        const float spotBy = -0.45f - 0.2f * tilt;
        const float spotCy = -0.32f + 0.2f * tilt;
        // The spots are bumps of the squared distance, so no root is needed.
        const float coreScale = 1.f / (spotSize * spotSize);
        const float sheenScale = coreScale / (2.6f * 2.6f);
        const float glintBlue = std::min(1.f, 1.3f * wb);
        const float glintCrimson = std::min(1.f, 1.3f * wc);
        const Rgb ambient = tint * (0.10f + 0.35f * glow);
        const Rgb lampBlue = kBlueLamp * (1.1f * wb);
        const Rgb lampCrimson = kCrimsonLamp * (1.1f * wc);
        const float outer = 1.f + 0.5f * edgeWidth;

        const float stepX = 1.f / (sx * r); // dx from one device pixel to the next
        const int j0 = std::max(0, int(std::floor((cy - r) * sy)) - 1);
        const int j1 = std::min(height - 1, int(std::ceil((cy + r) * sy)) + 1);
        for (int j = j0; j <= j1; ++j) {
            if (!inBand(j, band, bandCount))
                continue;
            const float dy = ((j + 0.5f) / sy - cy) / r;
            const float dy2 = dy * dy;
            if (dy2 >= outer * outer)
                continue;
            // Only the pixels this row of the disc covers.
            const float halfChord = std::sqrt(outer * outer - dy2) * r;
            const int i0 = std::max(0, int(std::floor((cx - halfChord) * sx)));
            const int i1 = std::min(width - 1, int(std::ceil((cx + halfChord) * sx)));
            const float by = dy - spotBy;
            const float cyo = dy - spotCy;
            const float by2 = 1.6f * by * by;
            const float cy2 = 1.6f * cyo * cyo;
            auto *line = reinterpret_cast<QRgb *>(bits + j * stride);
            float dx = ((i0 + 0.5f) / sx - cx) / r;
            for (int i = i0; i <= i1; ++i, dx += stepX) {
                const float q2 = dx * dx + dy2;
                if (q2 >= outer * outer)
                    continue;
                const float q = std::sqrt(q2);
                const float cover = clampf((1.f - q) / edgeWidth + 0.5f);
                const float qc = std::min(q, 1.f);
                const float nz = std::sqrt(std::max(0.f, 1.f - qc * qc));
                const float fresnel = (1.f - nz) * (1.f - nz);

                // The film lets the background through, dimmed, more so at
                // the edge where it is seen at a grazing angle.
                const float dim = 0.30f + 0.45f * fresnel;

                // Light the film reflects: a general tint and the two lamps
                // on the sides that face them.
                const float faceBlue = clampf(-0.85f * dx - 0.25f * dy + 0.2f);
                const float faceCrimson = clampf(0.85f * dx - 0.15f * dy + 0.2f);
                Rgb light = (ambient + lampBlue * faceBlue + lampCrimson * faceCrimson) * fresnel;

                // Thin bright rim.
                const float rim = bump((1.f - qc) / rimWidth);
                if (rim > 0.f) {
                    const float b = wb * (0.35f + 0.65f * clampf(0.5f - 0.8f * dx));
                    const float c = wc * (0.35f + 0.65f * clampf(0.5f + 0.8f * dx));
                    light = light + (kBlueLamp * b + kCrimsonLamp * c + tint * 0.12f) * rim;
                }

                // The lamps seen again on the far wall of the bubble.
                const float arc = bump((qc - 0.8f) / arcWidth);
                if (arc > 0.f) {
                    const float b = wb * clampf(1.4f * dx + 0.4f * dy - 0.25f);
                    const float c = wc * clampf(-1.4f * dx + 0.4f * dy - 0.25f);
                    light = light + (kBlueLamp * b + kCrimsonLamp * c) * (0.75f * arc);
                }

                // Mirror images of the lamps: a bright core inside a soft
                // sheen.
                const float bx = dx + 0.50f;
                const float db2 = bx * bx + by2;
                if (db2 * sheenScale < 1.f) {
                    const float sb =
                        0.9f * softSpot(db2 * coreScale) + 0.22f * softSpot(db2 * sheenScale);
                    light = light + kBlueGlint * (sb * glintBlue);
                }
                const float cxo = dx - 0.54f;
                const float dc2 = cxo * cxo + cy2;
                if (dc2 * sheenScale < 1.f) {
                    const float sc = 0.9f * softSpot(dc2 * coreScale * 1.2346f) +
                                     0.22f * softSpot(dc2 * sheenScale * 1.2346f);
                    light = light + kCrimsonGlint * (sc * glintCrimson);
                }

                const QRgb behind = line[i];
                const float keep = 1.f - cover * dim;
                const float red = qRed(behind) * keep + light.r * cover;
                const float green = qGreen(behind) * keep + light.g * cover;
                const float blue = qBlue(behind) * keep + light.b * cover;
                line[i] = qRgb(int(std::min(red, 255.f)), int(std::min(green, 255.f)),
                               int(std::min(blue, 255.f)));
            }
        }
    }
}

} // namespace

// Renders the photograph into an opaque image of the given device size.
QImage photograph(Picture picture, QSize deviceSize) {
    QImage image(deviceSize, QImage::Format_RGB32);
    const QSize logical = logicalSize(picture);
    // The larger copy shows the same scene enlarged, cut at the bottom.
    const float enlarge = picture == Picture::BubblesLarge ? float(836.0 / kSceneWidth) : 1.f;
    const float sx = float(deviceSize.width()) / logical.width() * enlarge;
    const float sy = float(deviceSize.height()) / logical.height() * enlarge;
    bubbleHeap(); // lay out the heap once, before any helper thread reads it

    // Share the work between two threads when the machine has the cores:
    // a copy at six times the resolution is over 12 million pixels.
    if (std::thread::hardware_concurrency() > 1 && image.height() > 4 * kBandRows) {
        std::thread helper([&] { shadePhotograph(image, sx, sy, 1, 2); });
        shadePhotograph(image, sx, sy, 0, 2);
        helper.join();
    } else {
        shadePhotograph(image, sx, sy, 0, 1);
    }
    return image;
}

} // namespace vielnis::pictures
