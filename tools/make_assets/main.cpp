// Paints the program's built-in pictures. Everything is procedural and seeded, so running the tool
// again gives byte-identical files; the output is committed under assets/.
#include <QDir>
#ifdef HAVE_QT_SVG
#include <QSvgGenerator>
#endif
#include <QFileInfo>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>
#include <cmath>
#include <functional>

#include "../common/Procedural.h"

namespace {

constexpr QSize kPageSize(689, 469);
constexpr QSize kBannerSize(153, 105);
constexpr double kPi = 3.14159265358979323846;

double smoothstep(double e0, double e1, double x)
{
    const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

QColor mix(const QColor &a, const QColor &b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
        a.greenF() + (b.greenF() - a.greenF()) * t, a.blueF() + (b.blueF() - a.blueF()) * t);
}

QImage shade(QSize size, const std::function<QColor(int, int)> &colourAt)
{
    QImage img(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] = colourAt(x, y).rgb();
    }
    return img;
}

QLinearGradient vertical(double top, double bottom, const QColor &a, const QColor &b)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

void style(QPainter &p, const QPen &pen, const QBrush &brush = Qt::NoBrush)
{
    p.setPen(pen);
    p.setBrush(brush);
}

// Runs `draw` with an antialiasing painter on `img`; images with alpha start transparent.
QImage painted(QImage img, const std::function<void(QPainter &)> &draw)
{
    if (img.hasAlphaChannel())
        img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return img;
}

QImage transparent(QSize size)
{
    return QImage(size, QImage::Format_ARGB32_Premultiplied);
}

// Wet curing: light planks of a curing table, grain kept faint.
QImage paintWood()
{
    const Noise noise {11};
    const QColor light(249, 240, 222), dark(229, 208, 174);
    const int plank = 94;
    const double plankTone[] = {0.05, 0.12, 0.0, 0.09, 0.03};
    return shade(kPageSize, [&](int x, int y) {
        const int k = y / plank, inPlank = y % plank;
        if (k > 0 && inPlank == 0)
            return QColor(214, 192, 158);
        if (k > 0 && inPlank == 1)
            return QColor(253, 247, 234);
        const double warp = 16 * noise.fbm(x / 230.0 + k * 7, y / 50.0, 4);
        const double ring = std::fmod((y + warp + k * 37) / 8.0, 1.0);
        const double grain = std::pow(std::abs(std::sin(kPi * ring)), 8);
        const double streak = noise.fbm(x / 120.0 + k * 13, y / 6.0, 3);
        const double t = plankTone[k % 5] + 0.28 * grain * streak * 2 + 0.3 * (streak - 0.35);
        return mix(light, dark, t);
    });
}

// Dry curing: a light haze of smoke drifting up through warm grey.
QImage paintSmoke()
{
    const Noise warpNoise {21}, smokeNoise {22};
    const QColor top(241, 239, 235), bottom(233, 226, 213);
    const QColor wisp(251, 250, 247), shadow(222, 216, 205);
    return shade(kPageSize, [&](int x, int y) {
        const double q = warpNoise.fbm(x / 240.0, y / 320.0, 4);
        const double v = smokeNoise.fbm(x / 170.0 + 2.2 * q, y / 280.0 - 1.4 * q, 5);
        QColor c = mix(top, bottom, double(y) / kPageSize.height());
        c = mix(c, wisp, 0.85 * smoothstep(0.48, 0.72, v));
        return mix(c, shadow, 0.6 * smoothstep(0.45, 0.28, v));
    });
}

void drawCrystal(QPainter &p, QPointF centre, double size, double angle, int alpha)
{
    p.save();
    p.translate(centre);
    p.rotate(angle);
    const QRectF face(-size / 2, -size / 2, size, size);
    style(p, QPen(QColor(110, 170, 176, alpha / 2), 0.8), QColor(255, 255, 255, alpha));
    p.drawRect(face);
    // A darker side facet makes the square read as a small cube.
    const QPointF depth(size * 0.3, -size * 0.3);
    p.setBrush(QColor(170, 210, 214, alpha / 2));
    p.drawPolygon(QPolygonF({face.topRight(), face.topRight() + depth, face.bottomRight() + depth,
        face.bottomRight()}));
    p.restore();
}

// Brine: pale aqua with a scatter of salt crystals and a few glints.
QImage paintBrine()
{
    const Noise noise {31};
    const QColor a(233, 246, 245), b(216, 237, 238);
    QImage base = shade(kPageSize, [&](int x, int y) {
        const double diag = (x / double(kPageSize.width()) + y / double(kPageSize.height())) / 2;
        return mix(a, b, diag + 0.35 * (noise.fbm(x / 60.0, y / 60.0, 4) - 0.5));
    });
    return painted(base, [](QPainter &p) {
        Rng rng {32};
        // Braced initialisation fixes the order of the two draws.
        const auto anywhere = [&] {
            return QPointF {rng.range(0, kPageSize.width()), rng.range(0, kPageSize.height())};
        };
        for (int i = 0; i < 70; ++i) {
            const QPointF at = anywhere();
            const double size = rng.range(3, 8), angle = rng.range(0, 90);
            drawCrystal(p, at, size, angle, int(rng.range(50, 110)));
        }
        p.setPen(QPen(QColor(255, 255, 255, 170), 1));
        for (int i = 0; i < 30; ++i) {
            const QPointF c = anywhere();
            const double r = rng.range(2, 4);
            p.drawLine(c - QPointF(r, 0), c + QPointF(r, 0));
            p.drawLine(c - QPointF(0, r), c + QPointF(0, r));
        }
    });
}

// Fish: calm pale water; long, flat streaks read as a still surface with faint waves.
QImage paintWater()
{
    const Noise noise {41};
    const QColor top(234, 243, 249), bottom(214, 231, 241);
    const QColor light(247, 251, 253), deep(203, 223, 236);
    return shade(kPageSize, [&](int x, int y) {
        const QColor c = mix(top, bottom, double(y) / kPageSize.height());
        const double band = noise.fbm(x / 230.0, y / 14.0 + 0.6 * std::sin(x / 40.0), 4);
        return mix(mix(c, light, 0.85 * smoothstep(0.52, 0.72, band)), deep,
            0.55 * smoothstep(0.42, 0.26, band));
    });
}

enum class Look { Up, Hover, Down };

struct Banner
{
    QColor top, bottom, ink;
    QString caption;
    std::function<void(QPainter &, const QRectF &)> motif;
};

QImage paintBanner(const Banner &b, Look look)
{
    return painted(transparent(kBannerSize), [&](QPainter &p) {
        const double w = kBannerSize.width(), h = kBannerSize.height();
        const QRectF r(0.5, 0.5, w - 1, h - 1);
        QPainterPath outline, inner;
        outline.addRoundedRect(r, 10, 10);
        inner.addRoundedRect(r.adjusted(1.5, 1.5, -1.5, -1.5), 8.5, 8.5);
        const bool down = look == Look::Down;
        const int lift = look == Look::Hover ? 106 : 100;
        p.fillPath(outline,
            vertical(0, h, down ? b.top.darker(108) : b.top.lighter(lift),
                down ? b.bottom.darker(110) : b.bottom.lighter(lift)));
        p.save();
        p.setClipPath(outline);
        p.translate(down ? 1 : 0, down ? 1 : 0);
        b.motif(p, QRectF(8, 6, w - 16, h - 36));
        QFont font("DejaVu Sans", -1, QFont::Bold);
        font.setPixelSize(14);
        p.setFont(font);
        const QRectF textBox(0, h - 28, w, 22);
        p.setPen(QColor(255, 255, 255, 150));
        p.drawText(textBox.translated(0, 1), Qt::AlignCenter, b.caption);
        p.setPen(b.ink);
        p.drawText(textBox, Qt::AlignCenter, b.caption);
        p.restore();
        QLinearGradient bevel
            = vertical(0, h, down ? QColor(0, 0, 0, 90) : QColor(255, 255, 255, 200),
                down ? QColor(255, 255, 255, 90) : QColor(0, 0, 0, 70));
        bevel.setColorAt(0.5, QColor(255, 255, 255, 0));
        style(p, QPen(QBrush(bevel), 1.6));
        p.drawPath(inner);
        p.setPen(QPen(b.ink.lighter(look == Look::Hover ? 160 : 130), 1));
        p.drawPath(outline);
    });
}

// A plume of overlapping soft puffs along a gently curling path, widening as it rises.
void drawSmoke(QPainter &p, QPointF from, double height, double drift, double size = 1)
{
    QPainterPath path(from);
    path.cubicTo(from + QPointF(-6 * size, -height * 0.4), from + QPointF(drift, -height * 0.5),
        from + QPointF(drift, -height));
    p.setPen(Qt::NoPen);
    for (int i = 0; i <= 24; ++i) {
        const double t = i / 24.0;
        const QPointF c = path.pointAtPercent(t);
        const double r = size * (2.5 + 6 * t);
        QRadialGradient puff(c, r);
        puff.setColorAt(0, QColor(125, 120, 115, int(75 - 55 * t)));
        puff.setColorAt(1, QColor(125, 120, 115, 0));
        p.setBrush(puff);
        p.drawEllipse(c, r, r);
    }
}

void drawSmokehouse(QPainter &p, const QRectF &box)
{
    const double ground = box.bottom() - 2, cx = box.left() + 52;
    const QPen edge(QColor(80, 45, 20), 1);
    style(p, Qt::NoPen, QColor(150, 120, 80, 90));
    p.drawEllipse(QPointF(box.center().x(), ground + 1), box.width() / 2, 4);
    const QRectF wall(cx - 25, ground - 30, 50, 30);
    QLinearGradient wood(wall.topLeft(), wall.topRight());
    wood.setColorAt(0, QColor(190, 140, 88));
    wood.setColorAt(1, QColor(150, 100, 58));
    style(p, edge, wood);
    p.drawRect(wall);
    p.setPen(QPen(QColor(110, 70, 38, 160), 0.8));
    for (double x = wall.left() + 6; x < wall.right(); x += 6)
        p.drawLine(QPointF(x, wall.top() + 1), QPointF(x, wall.bottom() - 1));
    const QRectF chimney(cx + 10, ground - 50, 9, 18);
    style(p, edge, QColor(150, 72, 50));
    p.drawRect(chimney);
    drawSmoke(p, QPointF(chimney.center().x() + 2, chimney.top() - 3), 12, 44, 0.8);
    style(p, edge, QColor(96, 52, 28));
    p.drawPolygon(QPolygonF({QPointF(cx - 32, wall.top() + 2), QPointF(cx, ground - 52),
        QPointF(cx + 32, wall.top() + 2)}));
    // The open door shows sausages hanging in the smoke.
    const QRectF door(cx - 12, ground - 22, 24, 22);
    p.setBrush(QColor(52, 32, 22));
    p.drawRect(door);
    p.setPen(QPen(QColor(170, 150, 120), 1));
    p.drawLine(QPointF(door.left() + 2, door.top() + 4), QPointF(door.right() - 2, door.top() + 4));
    style(p, Qt::NoPen, QColor(190, 80, 48));
    for (int i = 0; i < 3; ++i)
        p.drawRoundedRect(QRectF(door.left() + 4 + i * 6, door.top() + 4, 3.6, 13), 1.8, 1.8);
    // A stack of logs for the fire on the right.
    const double lx = box.right() - 30;
    for (QPointF c :
        {QPointF(lx, ground - 5), QPointF(lx + 11, ground - 5), QPointF(lx + 5.5, ground - 14)}) {
        style(p, QPen(QColor(90, 55, 25), 1), QColor(214, 170, 110));
        p.drawEllipse(c, 5.2, 5.2);
        style(p, QPen(QColor(150, 105, 60), 0.8));
        p.drawEllipse(c, 2.4, 2.4);
    }
}

void drawFish(QPainter &p, const QRectF &box)
{
    const QPointF c = box.center() + QPointF(4, -2);
    p.setPen(QPen(QColor(255, 255, 255, 170), 1.2));
    for (int i = 0; i < 2; ++i) {
        QPainterPath wave;
        const double y = box.bottom() - 6 + i * 5;
        wave.moveTo(box.left(), y);
        for (double x = box.left(); x <= box.right(); x += 2)
            wave.lineTo(x, y + 1.8 * std::sin(x / 6.0 + i * 2));
        p.drawPath(wave);
    }
    style(p, QPen(QColor(255, 255, 255, 200), 1), QColor(255, 255, 255, 60));
    p.drawEllipse(QPointF(box.left() + 14, box.top() + 14), 3, 3);
    p.drawEllipse(QPointF(box.left() + 20, box.top() + 6), 2, 2);
    const QColor outline(30, 60, 90);
    style(p, QPen(outline, 1.1), QColor(88, 128, 160));
    p.drawPolygon(QPolygonF(
        {c + QPointF(-30, 0), c + QPointF(-48, -14), c + QPointF(-42, 0), c + QPointF(-48, 14)}));
    p.drawPolygon(QPolygonF({c + QPointF(-8, -14), c + QPointF(-1, -24), c + QPointF(12, -15)}));
    QPainterPath body(c + QPointF(-34, 0));
    body.cubicTo(c + QPointF(-18, -22), c + QPointF(18, -20), c + QPointF(34, 0));
    body.cubicTo(c + QPointF(18, 18), c + QPointF(-18, 18), c + QPointF(-34, 0));
    QLinearGradient g
        = vertical(c.y() - 16, c.y() + 14, QColor(70, 110, 150), QColor(235, 242, 246));
    g.setColorAt(0.55, QColor(170, 200, 220));
    p.setBrush(g);
    p.drawPath(body);
    p.save();
    p.setClipPath(body);
    style(p, QPen(QColor(40, 80, 120, 70), 0.8));
    for (double x = -20; x < 14; x += 6)
        for (double y = -10; y < 10; y += 6)
            p.drawArc(QRectF(c.x() + x, c.y() + y, 6, 6), 90 * 16, 180 * 16);
    p.restore();
    style(p, QPen(outline, 1.1));
    p.drawArc(QRectF(c.x() + 12, c.y() - 10, 12, 20), 120 * 16, 120 * 16);
    p.setBrush(Qt::white);
    p.drawEllipse(c + QPointF(24, -4), 3.4, 3.4);
    p.setBrush(outline);
    p.drawEllipse(c + QPointF(24.8, -4), 1.6, 1.6);
}

// A smoked ham in a net hanging from a string, in a 100 x 100 design box mapped onto `box`.
void drawHam(QPainter &p, const QRectF &box)
{
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 100, box.height() / 100);
    p.setPen(QPen(QColor(110, 80, 50), 1.5));
    p.drawLine(QPointF(50, 0), QPointF(50, 12));
    QPainterPath body(QPointF(44, 24));
    body.cubicTo(36, 36, 10, 50, 12, 72);
    body.cubicTo(14, 96, 62, 102, 82, 88);
    body.cubicTo(96, 77, 84, 50, 56, 24);
    body.closeSubpath();
    QRadialGradient glaze(QPointF(40, 66), 48);
    glaze.setColorAt(0, QColor(206, 112, 60));
    glaze.setColorAt(0.6, QColor(150, 62, 30));
    glaze.setColorAt(1, QColor(96, 38, 18));
    style(p, QPen(QColor(64, 26, 12), 1.8), glaze);
    p.drawPath(body);
    p.save();
    p.setClipPath(body);
    p.setPen(QPen(QColor(240, 220, 180, 150), 1.4));
    for (double d = -60; d < 110; d += 13) {
        p.drawLine(QPointF(d, 20), QPointF(d + 60, 100));
        p.drawLine(QPointF(d + 60, 20), QPointF(d, 100));
    }
    style(p, Qt::NoPen, QColor(255, 240, 220, 70));
    p.drawEllipse(QRectF(26, 50, 14, 26));
    p.restore();
    style(p, QPen(QColor(120, 104, 80), 1.4), QColor(244, 234, 210));
    p.drawRect(QRectF(46, 14, 8, 12));
    p.drawEllipse(QPointF(45, 14), 5, 5);
    p.drawEllipse(QPointF(55, 14), 5, 5);
    p.restore();
}

QImage paintAbout()
{
    return painted(QImage(105, 121, QImage::Format_RGB32), [](QPainter &p) {
        p.fillRect(
            QRect(0, 0, 105, 121), vertical(0, 121, QColor(252, 236, 204), QColor(214, 164, 104)));
        p.fillRect(QRect(0, 0, 105, 11), vertical(0, 11, QColor(130, 84, 46), QColor(84, 50, 24)));
        p.setPen(QPen(QColor(60, 34, 14), 1));
        p.drawLine(QPointF(0, 11.5), QPointF(105, 11.5));
        drawHam(p, QRectF(5, 11, 95, 106));
        drawSmoke(p, QPointF(8, 124), 90, 14, 1.4);
        drawSmoke(p, QPointF(100, 126), 100, -8, 1.4);
    });
}

// The program's icon, drawn on a 64-unit square: the window icon, the desktop menu's icon at every
// size, and its scalable form.
void drawIcon(QPainter &p)
{
    QPainterPath badge;
    badge.addRoundedRect(QRectF(1.5, 1.5, 61, 61), 12, 12);
    p.fillPath(badge, vertical(0, 64, QColor(255, 226, 170), QColor(204, 126, 60)));
    drawHam(p, QRectF(6, 4, 52, 58));
    style(p, QPen(QColor(110, 58, 24), 1.5));
    p.drawPath(badge);
}

QImage paintIcon(int size = 64)
{
    return painted(transparent(QSize(size, size)), [size](QPainter &p) {
        p.scale(size / 64.0, size / 64.0);
        drawIcon(p);
    });
}

#ifdef HAVE_QT_SVG
bool saveScalableIcon(const QDir &dir)
{
    QSvgGenerator svg;
    svg.setFileName(dir.filePath("solvarin.svg"));
    svg.setSize(QSize(64, 64));
    svg.setViewBox(QRect(0, 0, 64, 64));
    svg.setTitle(QString::fromUtf8("Peklowanie mięsa"));
    QPainter p(&svg);
    p.setRenderHint(QPainter::Antialiasing);
    drawIcon(p);
    return p.end();
}
#endif

// The eyedropper lies on the diagonal with its tip in the bottom-left corner; the cursor's hotspot
// is the tip pixel (1, 30).
QImage paintPipette()
{
    return painted(transparent(QSize(32, 32)), [](QPainter &p) {
        p.translate(1.5, 30.5);
        p.rotate(-45);
        const auto drawBody = [&](const QPen &pen) {
            style(p, pen, QColor(230, 240, 245));
            p.drawPolygon(QPolygonF(
                {QPointF(-0.8, -0.6), QPointF(7, -2.2), QPointF(7, 2.2), QPointF(-0.8, 0.6)}));
            p.setBrush(QColor(200, 30, 30));
            p.drawRect(QRectF(7, -2.6, 7, 5.2));
            p.setBrush(QColor(235, 245, 250));
            p.drawRect(QRectF(14, -2.6, 8, 5.2));
            p.setBrush(QColor(120, 120, 120));
            p.drawRect(QRectF(22, -4, 3, 8));
            p.setBrush(QColor(60, 60, 60));
            p.drawRoundedRect(QRectF(25, -4.4, 11.5, 8.8), 4.2, 4.2);
        };
        // A pale halo under the black outline keeps the cursor visible over dark pictures.
        drawBody(QPen(QColor(255, 255, 255, 190), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        drawBody(QPen(Qt::black, 1.2));
        p.setPen(QPen(QColor(255, 255, 255, 150), 1));
        p.drawLine(QPointF(27, -2.2), QPointF(33.5, -2.2));
    });
}

// The image button of the recipe editor: a plate of dark smoked oak with the banners' rounded
// bevel. The control writes its caption in silver over the middle, so the face stays dark there.
QImage paintPictureButton(Look look)
{
    const QSize size(80, 40);
    const Noise noise {51};
    const bool down = look == Look::Down;
    const int lift = look == Look::Hover ? 118 : 100;
    const QColor light = QColor(112, 70, 42).lighter(lift), dark = QColor(56, 33, 19).lighter(lift);
    const QImage face = shade(size, [&](int x, int y) {
        // Pressed plates are lit from below, which reads as pushed in.
        const double t = down ? 1 - y / 39.0 : y / 39.0;
        const double warp = 5 * noise.fbm(x / 40.0, y / 12.0, 3);
        const double ring = std::fmod((y + warp) / 4.5, 1.0);
        const double grain = std::pow(std::abs(std::sin(kPi * ring)), 6);
        const double streak = noise.fbm(x / 25.0 + 3, y / 3.0, 3);
        const QColor c = mix(light, dark, t);
        return mix(c, down ? dark.darker(140) : dark.darker(125), 0.45 * grain * streak);
    });
    return painted(transparent(size), [&](QPainter &p) {
        const double w = size.width(), h = size.height();
        const QRectF r(0.5, 0.5, w - 1, h - 1);
        QPainterPath outline, inner;
        outline.addRoundedRect(r, 6, 6);
        inner.addRoundedRect(r.adjusted(1.5, 1.5, -1.5, -1.5), 4.5, 4.5);
        p.fillPath(outline, QBrush(face));
        if (look == Look::Hover) {
            // An ember glow along the lower edge.
            QRadialGradient ember(QPointF(w / 2, h + 6), w * 0.6);
            ember.setColorAt(0, QColor(255, 150, 60, 70));
            ember.setColorAt(1, QColor(255, 150, 60, 0));
            p.fillPath(outline, ember);
        }
        QLinearGradient bevel
            = vertical(0, h, down ? QColor(0, 0, 0, 110) : QColor(255, 236, 210, 110),
                down ? QColor(255, 236, 210, 60) : QColor(0, 0, 0, 90));
        bevel.setColorAt(0.5, QColor(255, 255, 255, 0));
        style(p, QPen(QBrush(bevel), 1.6));
        p.drawPath(inner);
        p.setPen(QPen(look == Look::Hover ? QColor(214, 158, 92) : QColor(34, 18, 8), 1));
        p.drawPath(outline);
    });
}

bool save(const QImage &img, const QDir &dir, const QString &name)
{
    dir.mkpath(QFileInfo(dir.filePath(name)).path());
    const bool jpeg = name.endsWith(".jpg");
    QImageWriter writer(dir.filePath(name));
    writer.setQuality(jpeg ? 90 : -1);
    writer.setProgressiveScanWrite(false);
    if (writer.write(jpeg ? img.convertToFormat(QImage::Format_RGB32) : img))
        return true;
    QTextStream(stderr) << name << ": " << writer.errorString() << '\n';
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2 || !QDir().mkpath(QString::fromLocal8Bit(argv[1]))) {
        QTextStream(stderr) << "usage: make_assets <output folder, created if missing>\n";
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (QFontInfo(QFont("DejaVu Sans")).family() != "DejaVu Sans")
        QTextStream(stderr) << "warning: DejaVu Sans not found, captions use a substitute\n";

    const Banner smokehouse {QColor(253, 242, 218), QColor(224, 190, 138), QColor(74, 36, 16),
        QString::fromUtf8("Wędzarnia"), drawSmokehouse};
    const Banner fish {QColor(234, 245, 252), QColor(164, 204, 228), QColor(16, 48, 86),
        QString::fromUtf8("Ryby i solanki"), drawFish};

    bool ok = save(paintWood(), dir, "tlo_mokre.jpg");
    ok &= save(paintSmoke(), dir, "tlo_suche.jpg");
    ok &= save(paintBrine(), dir, "tlo_solanka.jpg");
    ok &= save(paintWater(), dir, "tlo_ryby.jpg");
    ok &= save(paintAbout(), dir, "o_programie.jpg");
    ok &= save(paintPipette(), dir, "pipeta.png");
    ok &= save(paintIcon(), dir, "ikona.png");
    // The desktop menu's icons, in the sizes the icon theme asks for.
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        ok &= save(paintIcon(size), dir, QStringLiteral("icons/%1/solvarin.png").arg(size));
#ifdef HAVE_QT_SVG
    ok &= saveScalableIcon(dir);
#else
    QTextStream(stderr) << "note: built without Qt SVG, solvarin.svg not written\n";
#endif
    const QString suffix[] = {".png", "_hover.png", "_down.png"};
    for (Look look : {Look::Up, Look::Hover, Look::Down}) {
        ok &= save(paintBanner(smokehouse, look), dir, "przycisk_www1" + suffix[int(look)]);
        ok &= save(paintBanner(fish, look), dir, "przycisk_www2" + suffix[int(look)]);
        ok &= save(paintPictureButton(look), dir, "przycisk_obrazkowy" + suffix[int(look)]);
    }
    return ok ? 0 : 1;
}
