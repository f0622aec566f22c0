// Build-time renderer of the skin: turns the SVG sources under Resource/Skin/svg
// into the PNG files and the animated GIF that the program embeds.
//
//   SkinRender png   <in.svg> <out.png> <width> <height>
//   SkinRender gif   <in.svg> <out.gif> <size> <frames> <delay ms> <matte #rrggbb>
//   SkinRender sheet <out.png> <scale> <image>...
//
// "gif" renders the drawing turned by 360/frames degrees per frame (the spinner
// is symmetric, so the turn walks the bright spoke round) and writes a looping
// GIF89a. Qt has no GIF writer, so the encoder (palette, LZW) is below.
// "sheet" lays images out on the program's dark background, scaled up, for a
// designer to look at them together.

#include <QColor>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QVector>

#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

int fail(const QString& message)
{
    std::fprintf(stderr, "SkinRender: %s\n", qPrintable(message));
    return 1;
}

// What the SVG reader complains about (a feature it does not draw, a broken
// reference) would go missing from the picture: it fails the build instead.
int svgComplaints = 0;

void noteComplaint(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtDebugMsg || type == QtInfoMsg) return;
    std::fprintf(stderr, "SkinRender: %s\n", qPrintable(message));
    ++svgComplaints;
}

bool readSvg(QSvgRenderer& svg, const QString& in)
{
    svgComplaints = 0;
    const QtMessageHandler previous = qInstallMessageHandler(noteComplaint);
    const bool ok = svg.load(in);
    qInstallMessageHandler(previous);
    return ok && svg.isValid() && svgComplaints == 0;
}

bool toInt(const QString& text, int& value)
{
    bool ok = false;
    value = text.toInt(&ok);
    return ok && value > 0 && value <= 10000;
}

// Renders the whole drawing into width x height pixels on transparency,
// turned by `degrees` about the centre.
QImage renderSvg(QSvgRenderer& svg, int width, int height, qreal degrees = 0)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    if (degrees != 0) {
        painter.translate(width / 2.0, height / 2.0);
        painter.rotate(degrees);
        painter.translate(-width / 2.0, -height / 2.0);
    }
    svg.render(&painter, QRectF(0, 0, width, height));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

bool hasInk(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0) return true;
    return false;
}

int renderPng(const QString& in, const QString& out, int width, int height)
{
    QSvgRenderer svg;
    if (!readSvg(svg, in)) return fail("cannot read " + in);
    const QImage image = renderSvg(svg, width, height);
    if (!hasInk(image)) return fail(in + " draws nothing");
    if (!image.save(out, "PNG")) return fail("cannot write " + out);
    return 0;
}

// ---------------------------------------------------------------------------
// GIF89a

class GifWriter {
public:
    explicit GifWriter(int width, int height) : width_(width), height_(height) {}

    // frames: one palette index per pixel; index `transparent` is see-through.
    std::vector<unsigned char> encode(const std::vector<QRgb>& palette, int transparent,
                                      const std::vector<std::vector<unsigned char>>& frames, int delayMs)
    {
        out_.clear();
        put("GIF89a");
        put16(width_);
        put16(height_);
        out_.push_back(0xF7);  // global table of 256 entries, 8 bits per primary
        out_.push_back(static_cast<unsigned char>(transparent));
        out_.push_back(0);
        for (int i = 0; i < 256; ++i) {
            const QRgb c = i < static_cast<int>(palette.size()) ? palette[i] : 0;
            out_.push_back(static_cast<unsigned char>(qRed(c)));
            out_.push_back(static_cast<unsigned char>(qGreen(c)));
            out_.push_back(static_cast<unsigned char>(qBlue(c)));
        }
        // Loop for ever.
        out_.insert(out_.end(), {0x21, 0xFF, 0x0B});
        put("NETSCAPE2.0");
        out_.insert(out_.end(), {0x03, 0x01, 0x00, 0x00, 0x00});

        const int delay = (delayMs + 5) / 10;
        for (const auto& frame : frames) {
            // Graphic control: restore to background before the next frame, so
            // see-through pixels never show the previous one; transparency on.
            out_.insert(out_.end(), {0x21, 0xF9, 0x04, (2 << 2) | 1});
            put16(delay);
            out_.push_back(static_cast<unsigned char>(transparent));
            out_.push_back(0);
            out_.push_back(0x2C);
            put16(0);
            put16(0);
            put16(width_);
            put16(height_);
            out_.push_back(0);  // no local table, not interlaced
            out_.push_back(8);  // LZW minimum code size
            const std::vector<unsigned char> data = lzw(frame);
            for (size_t at = 0; at < data.size(); at += 255) {
                const size_t n = std::min<size_t>(255, data.size() - at);
                out_.push_back(static_cast<unsigned char>(n));
                out_.insert(out_.end(), data.begin() + static_cast<long>(at), data.begin() + static_cast<long>(at + n));
            }
            out_.push_back(0);
        }
        out_.push_back(0x3B);
        return out_;
    }

private:
    void put(const char* text)
    {
        while (*text) out_.push_back(static_cast<unsigned char>(*text++));
    }
    void put16(int v)
    {
        out_.push_back(static_cast<unsigned char>(v & 0xFF));
        out_.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
    }

    // Variable-width LZW as GIF wants it: codes packed least significant bit
    // first, widened when the table crosses a power of two, a clear code when
    // it is full (4096 entries).
    static std::vector<unsigned char> lzw(const std::vector<unsigned char>& pixels)
    {
        constexpr int minSize = 8;
        constexpr int clear = 1 << minSize;
        constexpr int end = clear + 1;
        std::vector<unsigned char> bytes;
        unsigned long bits = 0;
        int bitCount = 0;
        int size = minSize + 1;
        auto write = [&](int code) {
            bits |= static_cast<unsigned long>(code) << bitCount;
            bitCount += size;
            while (bitCount >= 8) {
                bytes.push_back(static_cast<unsigned char>(bits & 0xFF));
                bits >>= 8;
                bitCount -= 8;
            }
        };

        std::unordered_map<int, int> table;  // (prefix << 8 | byte) -> code
        int last = end;                       // last code handed out
        write(clear);
        if (pixels.empty()) {
            write(end);
        } else {
            int prefix = pixels[0];
            for (size_t i = 1; i < pixels.size(); ++i) {
                const int key = (prefix << 8) | pixels[i];
                const auto found = table.find(key);
                if (found != table.end()) {
                    prefix = found->second;
                    continue;
                }
                write(prefix);
                table.emplace(key, ++last);
                if (last >= (1 << size) && size < 12) ++size;
                if (last == 4095) {
                    write(clear);
                    table.clear();
                    size = minSize + 1;
                    last = end;
                }
                prefix = pixels[i];
            }
            write(prefix);
            // The reader adds an entry for that last code as well; follow its width.
            if (last + 1 >= (1 << size) && size < 12) ++size;
            write(end);
        }
        if (bitCount > 0) bytes.push_back(static_cast<unsigned char>(bits & 0xFF));
        return bytes;
    }

    int width_;
    int height_;
    std::vector<unsigned char> out_;
};

int renderGif(const QString& in, const QString& out, int size, int frameCount, int delayMs, const QColor& matte)
{
    QSvgRenderer svg;
    if (!readSvg(svg, in)) return fail("cannot read " + in);
    if (!matte.isValid()) return fail("bad matte colour");

    // Flatten each frame: faint edge pixels go see-through, the rest are laid
    // on the matte (the dark background the spinner sits on) and made opaque.
    std::vector<std::vector<QRgb>> flat;
    for (int f = 0; f < frameCount; ++f) {
        const QImage image = renderSvg(svg, size, size, 360.0 * f / frameCount);
        if (!hasInk(image)) return fail(in + " draws nothing");
        std::vector<QRgb> pixels;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const QRgb p = image.pixel(x, y);
                const int a = qAlpha(p);
                if (a < 64) {
                    pixels.push_back(0);
                    continue;
                }
                auto mix = [a](int c, int m) { return (c * a + m * (255 - a) + 127) / 255; };
                pixels.push_back(qRgb(mix(qRed(p), matte.red()), mix(qGreen(p), matte.green()),
                                      mix(qBlue(p), matte.blue())));
            }
        flat.push_back(pixels);
    }

    // One palette for all frames: 255 colours and the see-through slot. Drop
    // low bits of the primaries until the colours fit.
    std::map<QRgb, int> index;
    for (int drop = 0; drop <= 5; ++drop) {
        index.clear();
        const int mask = (0xFF << drop) & 0xFF;
        bool fits = true;
        for (const auto& pixels : flat) {
            for (const QRgb p : pixels) {
                if (qAlpha(p) == 0) continue;
                const QRgb q = qRgb(qRed(p) & mask, qGreen(p) & mask, qBlue(p) & mask);
                if (index.emplace(q, 0).second && index.size() > 255) {
                    fits = false;
                    break;
                }
            }
            if (!fits) break;
        }
        if (fits) {
            std::vector<QRgb> palette;
            for (auto& entry : index) {
                entry.second = static_cast<int>(palette.size());
                palette.push_back(entry.first);
            }
            const int transparent = 255;
            palette.resize(256, qRgb(matte.red(), matte.green(), matte.blue()));
            std::vector<std::vector<unsigned char>> frames;
            for (const auto& pixels : flat) {
                std::vector<unsigned char> indices;
                for (const QRgb p : pixels) {
                    if (qAlpha(p) == 0) {
                        indices.push_back(transparent);
                        continue;
                    }
                    const QRgb q = qRgb(qRed(p) & mask, qGreen(p) & mask, qBlue(p) & mask);
                    indices.push_back(static_cast<unsigned char>(index[q]));
                }
                frames.push_back(indices);
            }
            const std::vector<unsigned char> bytes = GifWriter(size, size).encode(palette, transparent, frames, delayMs);
            std::ofstream file(out.toStdString(), std::ios::binary);
            file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
            if (!file) return fail("cannot write " + out);
            return 0;
        }
    }
    return fail("too many colours in " + in);
}

// ---------------------------------------------------------------------------
// Contact sheet

int renderSheet(const QString& out, int scale, const QStringList& files)
{
    const int pad = 14;
    const int label = 14;
    const int sheetWidth = 1000;
    const int maxTile = sheetWidth - 2 * pad;

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    const QFontMetrics metrics(font);

    struct Tile {
        QString name;
        QVector<QImage> frames;
        QSize size;  // on the sheet, label excluded
    };
    QVector<Tile> tiles;
    for (const QString& file : files) {
        QImageReader reader(file);
        Tile tile{QFileInfo(file).fileName(), {}, {}};
        QImage frame;
        while (reader.read(&frame)) {
            tile.frames.push_back(frame.convertToFormat(QImage::Format_ARGB32)
                                      .scaled(frame.size() * scale));  // nearest pixel: blocks, not blur
            if (!reader.supportsAnimation()) break;
        }
        if (tile.frames.isEmpty()) return fail("cannot read " + file);
        const QSize one = tile.frames.first().size();
        const int w = tile.frames.size() * (one.width() + 4) - 4;
        const int labelWidth = metrics.horizontalAdvance(tile.name);
        tile.size = QSize(std::min(std::max(w, labelWidth), maxTile), std::min(one.height(), 240));
        tiles.push_back(tile);
    }

    // Flow the tiles into rows.
    struct Placed {
        int tile;
        QPoint at;
    };
    QVector<Placed> placed;
    int x = pad, y = pad, rowHeight = 0;
    for (int i = 0; i < tiles.size(); ++i) {
        if (x + tiles[i].size.width() > sheetWidth - pad && x > pad) {
            x = pad;
            y += rowHeight + label + pad;
            rowHeight = 0;
        }
        placed.push_back({i, QPoint(x, y)});
        x += tiles[i].size.width() + pad;
        rowHeight = std::max(rowHeight, tiles[i].size.height());
    }
    y += rowHeight + label + pad;

    QImage sheet(sheetWidth, y, QImage::Format_ARGB32);
    sheet.fill(QColor("#292929"));
    QPainter painter(&sheet);
    painter.setFont(font);
    for (const Placed& p : placed) {
        const Tile& t = tiles[p.tile];
        const QRect area(p.at, t.size);
        painter.setClipRect(area);
        int fx = area.left();
        for (const QImage& frame : t.frames) {
            // Report artwork is meant for paper: show it on white.
            if (t.name.startsWith("report")) painter.fillRect(QRect(QPoint(fx, area.top()), frame.size()), Qt::white);
            painter.drawImage(fx, area.top(), frame);
            fx += frame.width() + 4;
        }
        painter.setClipping(false);
        painter.setPen(QColor(255, 255, 255, 150));
        painter.drawText(QRect(area.left(), area.bottom() + 3, area.width() + pad, label), Qt::AlignLeft, t.name);
    }
    painter.end();
    if (!sheet.save(out, "PNG")) return fail("cannot write " + out);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    // Painting SVG into an image needs no display; only the sheet's labels
    // need fonts, and so a GUI application (without a screen).
    const bool sheet = argc > 1 && std::string(argv[1]) == "sheet";
    std::unique_ptr<QCoreApplication> app;
    std::unique_ptr<QTemporaryDir> runtime;
    if (sheet) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
            runtime = std::make_unique<QTemporaryDir>();  // private, as the platform layer wants it
            qputenv("XDG_RUNTIME_DIR", runtime->path().toUtf8());
        }
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    const QStringList args = app->arguments();
    const QString mode = args.value(1);
    int a = 0, b = 0, c = 0;
    if (mode == "png" && args.size() == 6 && toInt(args[4], a) && toInt(args[5], b))
        return renderPng(args[2], args[3], a, b);
    if (mode == "gif" && args.size() == 8 && toInt(args[4], a) && toInt(args[5], b) && toInt(args[6], c))
        return renderGif(args[2], args[3], a, b, c, QColor(args[7]));
    if (mode == "sheet" && args.size() >= 5 && toInt(args[3], a)) return renderSheet(args[2], a, args.mid(4));
    return fail("usage: SkinRender png <in.svg> <out.png> <w> <h> | gif <in.svg> <out.gif> <size> <frames> "
                "<delay ms> <#matte> | sheet <out.png> <scale> <image>...");
}
