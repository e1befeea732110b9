// Paints the photos of the sample cookbooks: stylised cured meats and fish on a wooden table.
// Everything is procedural and seeded, so running the tool again gives the same pictures.
#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>
#include <cmath>
#include <functional>

#include "../common/Procedural.h"

namespace {

constexpr QSize kPhotoSize(640, 480);
constexpr double kPi = 3.14159265358979323846;

QColor mix(const QColor &a, const QColor &b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
        a.greenF() + (b.greenF() - a.greenF()) * t, a.blueF() + (b.blueF() - a.blueF()) * t,
        a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

QColor alpha(QColor c, int a)
{
    c.setAlpha(a);
    return c;
}

void style(QPainter &p, const QPen &pen, const QBrush &brush = Qt::NoBrush)
{
    p.setPen(pen);
    p.setBrush(brush);
}

// A dark, rustic table of horizontal planks with grain, lit from the upper left.
QImage table(quint32 seed, const QColor &light, const QColor &dark)
{
    const Noise noise {seed};
    QImage img(kPhotoSize, QImage::Format_RGB32);
    const int plank = 120;
    for (int y = 0; y < img.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        const int k = y / plank, inPlank = y % plank;
        for (int x = 0; x < img.width(); ++x) {
            if (k > 0 && inPlank < 3) {
                line[x] = mix(dark, QColor(30, 18, 10), 0.6 - 0.15 * inPlank).rgb();
                continue;
            }
            const double warp = 22 * noise.fbm(x / 260.0 + k * 5, y / 60.0, 4);
            const double ring = std::fmod((y + warp + k * 41) / 9.0, 1.0);
            const double grain = std::pow(std::abs(std::sin(kPi * ring)), 6);
            const double streak = noise.fbm(x / 140.0 + k * 11, y / 7.0, 3);
            const double light01 = 1.0 - 0.55 * std::hypot(x - 180.0, y - 120.0) / 700.0;
            const double t = 0.35 + 0.35 * grain * streak + 0.4 * (streak - 0.45);
            line[x] = mix(mix(light, dark, t), QColor(15, 10, 6), 1 - light01).rgb();
        }
    }
    return img;
}

// A soft shadow under an object: stacked ellipses of low opacity.
void shadow(QPainter &p, const QRectF &r, int strength = 14)
{
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 10; i >= 0; --i) {
        p.setBrush(QColor(0, 0, 0, strength));
        p.drawEllipse(r.adjusted(-i * 2.5, -i * 1.5, i * 2.5, i * 2.5));
    }
    p.restore();
}

void board(QPainter &p, const QRectF &r, quint32 seed)
{
    shadow(p, r.adjusted(10, r.height() * 0.3, 10, 18), 10);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(140, 96, 56));
    p.drawRoundedRect(r.translated(0, 12), 22, 22);
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(226, 186, 132));
    g.setColorAt(1, QColor(190, 140, 88));
    p.setBrush(g);
    p.drawRoundedRect(r, 22, 22);
    Rng rng {seed};
    p.save();
    QPainterPath clip;
    clip.addRoundedRect(r, 22, 22);
    p.setClipPath(clip);
    for (int i = 0; i < 34; ++i) {
        const double y = rng.range(r.top(), r.bottom());
        QPainterPath grain(QPointF(r.left(), y));
        grain.cubicTo(r.left() + r.width() * 0.3, y + rng.range(-8, 8), r.left() + r.width() * 0.7,
            y + rng.range(-8, 8), r.right(), y + rng.range(-5, 5));
        style(p, QPen(QColor(150, 100, 55, int(rng.range(25, 70))), rng.range(0.6, 1.8)));
        p.drawPath(grain);
    }
    p.restore();
}

void plate(QPainter &p, const QPointF &c, double rx, double ry)
{
    shadow(p, QRectF(c.x() - rx + 8, c.y() - ry + 14, 2 * rx, 2 * ry), 10);
    QRadialGradient g(c - QPointF(rx * 0.3, ry * 0.4), rx * 1.3);
    g.setColorAt(0, QColor(255, 255, 252));
    g.setColorAt(1, QColor(206, 206, 198));
    style(p, QPen(QColor(170, 170, 160), 1.2), g);
    p.drawEllipse(c, rx, ry);
    QRadialGradient inner(c + QPointF(rx * 0.2, ry * 0.3), rx);
    inner.setColorAt(0, QColor(250, 250, 246));
    inner.setColorAt(1, QColor(222, 222, 214));
    style(p, QPen(QColor(190, 190, 180), 1.5), inner);
    p.drawEllipse(c, rx * 0.72, ry * 0.72);
}

void highlight(QPainter &p, const QRectF &r, int a = 70)
{
    QRadialGradient g(r.center(), std::max(r.width(), r.height()) / 2);
    g.setColorAt(0, QColor(255, 255, 255, a));
    g.setColorAt(1, QColor(255, 255, 255, 0));
    style(p, Qt::NoPen, g);
    p.drawEllipse(r);
}

// Scattered specks (pepper, fat, herbs) inside a clip path.
void specks(QPainter &p, const QPainterPath &area, quint32 seed, int count, const QColor &colour,
    double minR, double maxR)
{
    p.save();
    p.setClipPath(area, Qt::IntersectClip);
    Rng rng {seed};
    const QRectF b = area.boundingRect();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF at(rng.range(b.left(), b.right()), rng.range(b.top(), b.bottom()));
        const double rx = rng.range(minR, maxR), ry = rx * rng.range(0.6, 1.0);
        p.setBrush(alpha(colour, int(rng.range(120, 230))));
        p.drawEllipse(at, rx, ry);
    }
    p.restore();
}

// A sprig of parsley or dill: a stem with small leaves.
void sprig(QPainter &p, const QPointF &from, double angle, double length, quint32 seed, bool dill)
{
    Rng rng {seed};
    p.save();
    p.translate(from);
    p.rotate(angle);
    style(p, QPen(QColor(70, 120, 40), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 0), QPointF(length, 0));
    for (double t = length * 0.25; t < length; t += dill ? 5 : 14) {
        const double side = rng.range(0, 1) < 0.5 ? -1 : 1;
        if (dill) {
            p.setPen(QPen(QColor(80, 140, 50, 220), 1.1, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(t, 0), QPointF(t + rng.range(4, 10), side * rng.range(6, 14)));
        } else {
            p.setPen(QPen(QColor(40, 90, 30), 0.8));
            p.setBrush(QColor(int(rng.range(60, 90)), int(rng.range(130, 160)), 50));
            p.drawEllipse(QPointF(t + 4, side * 7), rng.range(6, 9), rng.range(5, 7));
        }
    }
    p.restore();
}

void lemonSlice(QPainter &p, const QPointF &c, double r)
{
    style(p, QPen(QColor(200, 170, 20), 1.5), QColor(250, 215, 40));
    p.drawEllipse(c, r, r * 0.8);
    style(p, Qt::NoPen, QColor(252, 236, 140));
    p.drawEllipse(c, r * 0.86, r * 0.68);
    p.setPen(QPen(QColor(255, 250, 220), 1.5));
    for (int i = 0; i < 8; ++i) {
        const double a = i * kPi / 4;
        p.drawLine(c, c + QPointF(std::cos(a) * r * 0.84, std::sin(a) * r * 0.66));
    }
}

void bayLeaf(QPainter &p, const QPointF &c, double angle, double length)
{
    p.save();
    p.translate(c);
    p.rotate(angle);
    QPainterPath leaf(QPointF(-length / 2, 0));
    leaf.quadTo(0, -length * 0.28, length / 2, 0);
    leaf.quadTo(0, length * 0.28, -length / 2, 0);
    style(p, QPen(QColor(90, 100, 40), 1), QColor(128, 140, 64));
    p.drawPath(leaf);
    p.setPen(QPen(QColor(170, 180, 110), 1));
    p.drawLine(QPointF(-length / 2, 0), QPointF(length / 2, 0));
    p.restore();
}

// A cut face of meat: a fat rim around pink meat with faint marbling.
void meatFace(QPainter &p, const QRectF &r, quint32 seed, const QColor &meat, double fat)
{
    style(p, QPen(QColor(150, 90, 70), 1), QColor(244, 228, 206));
    p.drawEllipse(r);
    const QRectF in = r.adjusted(
        r.width() * fat, r.height() * fat, -r.width() * fat * 0.6, -r.height() * fat * 0.5);
    QRadialGradient g(
        in.center() - QPointF(in.width() * 0.15, in.height() * 0.2), in.width() * 0.7);
    g.setColorAt(0, meat.lighter(118));
    g.setColorAt(1, meat.darker(112));
    style(p, Qt::NoPen, g);
    p.drawEllipse(in);
    QPainterPath area;
    area.addEllipse(in);
    p.save();
    p.setClipPath(area);
    Rng rng {seed};
    for (int i = 0; i < 7; ++i) {
        QPainterPath vein(
            QPointF(rng.range(in.left(), in.right()), rng.range(in.top(), in.bottom())));
        vein.cubicTo(vein.currentPosition() + QPointF(rng.range(-30, 30), rng.range(-20, 20)),
            vein.currentPosition() + QPointF(rng.range(-30, 30), rng.range(-20, 20)),
            vein.currentPosition() + QPointF(rng.range(-50, 50), rng.range(-30, 30)));
        style(p, QPen(QColor(250, 225, 215, 90), rng.range(1, 3)));
        p.drawPath(vein);
    }
    p.restore();
}

QImage ham()
{
    QImage img = table(101, QColor(120, 82, 50), QColor(70, 44, 24));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    board(p, QRectF(60, 140, 520, 290), 102);
    shadow(p, QRectF(120, 190, 300, 210));
    // The smoked outside of the ham, its cut face to the right.
    QRadialGradient skin(QPointF(220, 220), 260);
    skin.setColorAt(0, QColor(214, 130, 70));
    skin.setColorAt(0.6, QColor(168, 82, 40));
    skin.setColorAt(1, QColor(96, 44, 20));
    style(p, QPen(QColor(80, 36, 16), 2), skin);
    QPainterPath body(QPointF(110, 300));
    body.cubicTo(100, 200, 230, 160, 360, 190);
    body.cubicTo(420, 205, 430, 360, 360, 385);
    body.cubicTo(240, 420, 120, 390, 110, 300);
    p.drawPath(body);
    highlight(p, QRectF(160, 195, 150, 70), 80);
    meatFace(p, QRectF(320, 200, 95, 175), 103, QColor(222, 112, 116), 0.12);
    // Slices fanned out in front.
    for (int i = 0; i < 4; ++i)
        meatFace(
            p, QRectF(380 + i * 28, 250 + i * 16, 110, 90), 110 + i, QColor(226, 120, 122), 0.1);
    sprig(p, QPointF(170, 395), -8, 120, 104, false);
    sprig(p, QPointF(210, 170), 20, 90, 105, false);
    return img;
}

QImage hamSlices()
{
    QImage img = table(201, QColor(132, 92, 58), QColor(78, 50, 28));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    plate(p, QPointF(320, 250), 250, 190);
    Rng rng {202};
    for (int i = 0; i < 8; ++i) {
        const double a = i * 2 * kPi / 8 + 0.3;
        const QPointF c(320 + std::cos(a) * 120, 250 + std::sin(a) * 85);
        p.save();
        p.translate(c);
        p.rotate(a * 180 / kPi + 90);
        meatFace(p, QRectF(-70, -48, 140, 96), 210 + i, QColor(226, 122, 124), 0.11);
        p.restore();
    }
    for (int i = 0; i < 6; ++i) {
        style(p, QPen(QColor(60, 20, 20), 0.8), QColor(40, 30, 25));
        p.drawEllipse(QPointF(300 + rng.range(-30, 40), 240 + rng.range(-20, 25)), 3, 3);
    }
    sprig(p, QPointF(270, 250), -15, 110, 203, false);
    lemonSlice(p, QPointF(350, 265), 26);
    return img;
}

QImage bacon()
{
    QImage img = table(301, QColor(116, 80, 50), QColor(62, 40, 22));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    board(p, QRectF(50, 170, 540, 260), 302);
    const QRectF top(110, 170, 420, 60), front(110, 230, 420, 130);
    shadow(p, front.adjusted(0, 40, 30, 40));
    // Rind: the dark smoked top of the slab, seen a little from above.
    QPolygonF rind({QPointF(130, 165), QPointF(540, 175), QPointF(530, 232), QPointF(110, 232)});
    QLinearGradient rg(0, 165, 0, 232);
    rg.setColorAt(0, QColor(150, 82, 36));
    rg.setColorAt(1, QColor(96, 46, 18));
    style(p, QPen(QColor(70, 30, 10), 1.5), rg);
    p.drawPolygon(rind);
    QPainterPath rindArea;
    rindArea.addPolygon(rind);
    specks(p, rindArea, 303, 60, QColor(60, 28, 10), 1, 3);
    highlight(p, QRectF(200, 172, 240, 30), 60);
    // The cut front: layers of fat and meat with wavy borders.
    QPainterPath frontArea;
    frontArea.addRoundedRect(front.adjusted(0, 0, 20, 0), 6, 6);
    p.save();
    p.setClipPath(frontArea);
    p.fillRect(front.adjusted(0, 0, 20, 0), QColor(246, 234, 214));
    Rng rng {304};
    const double layers[] = {0.08, 0.34, 0.52, 0.80};
    const double depth[] = {0.2, 0.12, 0.22, 0.16};
    for (int k = 0; k < 4; ++k) {
        const double y0 = front.top() + front.height() * layers[k];
        const double h = front.height() * depth[k];
        QPainterPath band;
        const double ph = rng.range(0, 6), ph2 = rng.range(0, 6);
        band.moveTo(front.left(), y0);
        for (double x = front.left(); x <= front.right() + 20; x += 6)
            band.lineTo(x, y0 + 5 * std::sin(x / 40 + ph));
        for (double x = front.right() + 20; x >= front.left(); x -= 6)
            band.lineTo(x, y0 + h + 5 * std::sin(x / 33 + ph2));
        band.closeSubpath();
        QLinearGradient mg(0, y0, 0, y0 + h);
        mg.setColorAt(0, QColor(206, 96, 84));
        mg.setColorAt(1, QColor(178, 70, 62));
        style(p, Qt::NoPen, mg);
        p.drawPath(band);
    }
    QLinearGradient smoke(0, front.top(), 0, front.top() + 20);
    smoke.setColorAt(0, QColor(120, 60, 20, 200));
    smoke.setColorAt(1, QColor(120, 60, 20, 0));
    p.fillRect(front.adjusted(0, 0, 20, 0), smoke);
    p.restore();
    // Two thin rashers leaning on the board.
    for (int i = 0; i < 2; ++i) {
        const QRectF r(150 + i * 190, 372 + i * 8, 170, 38);
        p.save();
        p.translate(r.center());
        p.rotate(-4 + i * 6);
        QLinearGradient sg(0, -19, 0, 19);
        sg.setColorAt(0, QColor(120, 56, 24));
        sg.setColorAt(0.15, QColor(244, 228, 206));
        sg.setColorAt(0.4, QColor(200, 92, 80));
        sg.setColorAt(0.6, QColor(244, 228, 206));
        sg.setColorAt(0.8, QColor(196, 88, 76));
        sg.setColorAt(1, QColor(240, 222, 200));
        style(p, QPen(QColor(130, 70, 50), 1), sg);
        p.drawRoundedRect(QRectF(-85, -19, 170, 38), 8, 8);
        p.restore();
    }
    sprig(p, QPointF(470, 400), -30, 80, 305, false);
    return img;
}

void sausageSlice(QPainter &p, const QPointF &c, double r, quint32 seed)
{
    style(p, QPen(QColor(90, 36, 20), 2), QColor(128, 52, 28));
    p.drawEllipse(c, r, r * 0.9);
    QRadialGradient g(c - QPointF(r * 0.2, r * 0.2), r);
    g.setColorAt(0, QColor(214, 110, 96));
    g.setColorAt(1, QColor(176, 74, 62));
    style(p, Qt::NoPen, g);
    p.drawEllipse(c, r * 0.88, r * 0.78);
    QPainterPath area;
    area.addEllipse(c, r * 0.88, r * 0.78);
    specks(p, area, seed, 40, QColor(250, 232, 220), 1.2, 3.5);
    specks(p, area, seed + 1, 15, QColor(50, 30, 25), 0.6, 1.4);
}

QImage sausage()
{
    QImage img = table(401, QColor(126, 86, 54), QColor(72, 46, 26));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    board(p, QRectF(40, 110, 560, 330), 402);
    // A horseshoe ring of sausage: dark edge, smoked body, shine along the top.
    QPainterPath ring;
    ring.arcMoveTo(QRectF(110, 140, 330, 260), 250);
    ring.arcTo(QRectF(110, 140, 330, 260), 250, 300);
    p.save();
    p.translate(0, 14);
    p.strokePath(ring, QPen(QColor(0, 0, 0, 60), 56, Qt::SolidLine, Qt::RoundCap));
    p.restore();
    p.strokePath(ring, QPen(QColor(92, 36, 18), 52, Qt::SolidLine, Qt::RoundCap));
    p.strokePath(ring, QPen(QColor(150, 64, 34), 44, Qt::SolidLine, Qt::RoundCap));
    p.strokePath(ring, QPen(QColor(176, 86, 46), 28, Qt::SolidLine, Qt::RoundCap));
    p.save();
    p.translate(-6, -8);
    p.strokePath(ring, QPen(QColor(255, 210, 170, 90), 7, Qt::SolidLine, Qt::RoundCap));
    p.restore();
    // Twine at the ends.
    style(p, QPen(QColor(230, 220, 190), 3));
    ring.arcMoveTo(QRectF(110, 140, 330, 260), 250);
    const QPointF a = ring.currentPosition();
    p.drawLine(a + QPointF(-18, -6), a + QPointF(22, 4));
    p.drawLine(a + QPointF(2, 2), a + QPointF(-8, 40));
    for (int i = 0; i < 5; ++i)
        sausageSlice(p, QPointF(512 + (i % 2) * 44, 165 + i * 56), 32, 410 + i);
    bayLeaf(p, QPointF(290, 270), 20, 60);
    bayLeaf(p, QPointF(320, 292), -30, 52);
    return img;
}

void herringPiece(QPainter &p, const QPointF &c, double w, double h, double angle)
{
    p.save();
    p.translate(c);
    p.rotate(angle);
    QLinearGradient g(0, -h / 2, 0, h / 2);
    g.setColorAt(0, QColor(52, 62, 80));
    g.setColorAt(0.3, QColor(150, 160, 172));
    g.setColorAt(0.55, QColor(226, 230, 234));
    g.setColorAt(0.75, QColor(236, 214, 196));
    g.setColorAt(1, QColor(210, 170, 150));
    style(p, QPen(QColor(60, 60, 70), 1), g);
    p.drawRoundedRect(QRectF(-w / 2, -h / 2, w, h), h * 0.4, h * 0.4);
    p.setPen(QPen(QColor(255, 255, 255, 120), 2));
    p.drawLine(QPointF(-w / 2 + 8, -h * 0.12), QPointF(w / 2 - 8, -h * 0.12));
    p.restore();
}

void onionRing(QPainter &p, const QPointF &c, double r, double angle)
{
    p.save();
    p.translate(c);
    p.rotate(angle);
    style(p, QPen(QColor(250, 246, 236, 235), 4));
    p.drawEllipse(QPointF(0, 0), r, r * 0.75);
    p.setPen(QPen(QColor(200, 170, 200, 160), 1.2));
    p.drawEllipse(QPointF(0, 0), r + 2, r * 0.75 + 2);
    p.restore();
}

QImage herringJar()
{
    QImage img = table(501, QColor(124, 88, 56), QColor(70, 46, 26));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF jar(190, 110, 260, 330);
    shadow(p, QRectF(jar.left() + 10, jar.bottom() - 40, jar.width() + 20, 60), 18);
    QPainterPath glass;
    glass.addRoundedRect(jar, 40, 40);
    // Oil inside, then the herring, onion and spices, then the glass over them.
    p.save();
    p.setClipPath(glass);
    QLinearGradient oil(0, jar.top(), 0, jar.bottom());
    oil.setColorAt(0, QColor(240, 214, 130));
    oil.setColorAt(1, QColor(196, 150, 60));
    p.fillRect(jar, oil);
    Rng rng {502};
    for (int row = 0; row < 5; ++row) {
        for (int i = 0; i < 3; ++i) {
            const QPointF c(
                jar.left() + 50 + i * 80 + rng.range(-10, 10), jar.top() + 80 + row * 56);
            herringPiece(p, c, rng.range(80, 110), rng.range(34, 44), rng.range(-20, 20));
        }
        onionRing(p, QPointF(jar.left() + rng.range(40, 220), jar.top() + 70 + row * 56),
            rng.range(16, 24), rng.range(0, 90));
        bayLeaf(p, QPointF(jar.left() + rng.range(30, 230), jar.top() + 95 + row * 56),
            rng.range(-60, 60), 46);
        for (int k = 0; k < 4; ++k) {
            style(p, Qt::NoPen, QColor(50, 32, 24));
            p.drawEllipse(
                QPointF(jar.left() + rng.range(20, 240), jar.top() + rng.range(60, 320)), 3.5, 3.5);
        }
    }
    QLinearGradient shine(jar.left(), 0, jar.right(), 0);
    shine.setColorAt(0, QColor(255, 255, 255, 70));
    shine.setColorAt(0.12, QColor(255, 255, 255, 150));
    shine.setColorAt(0.2, QColor(255, 255, 255, 20));
    shine.setColorAt(0.8, QColor(255, 255, 255, 10));
    shine.setColorAt(0.9, QColor(255, 255, 255, 90));
    shine.setColorAt(1, QColor(255, 255, 255, 40));
    p.fillRect(jar, shine);
    p.restore();
    style(p, QPen(QColor(235, 245, 240, 200), 3));
    p.drawPath(glass);
    // A checked cloth over the lid, tied with string.
    QPainterPath cloth(QPointF(170, 125));
    cloth.cubicTo(180, 60, 460, 60, 470, 125);
    cloth.cubicTo(480, 150, 440, 160, 470, 190);
    cloth.cubicTo(330, 170, 310, 170, 170, 190);
    cloth.cubicTo(200, 160, 160, 150, 170, 125);
    p.save();
    p.setClipPath(cloth);
    p.fillRect(QRectF(150, 50, 340, 150), QColor(250, 246, 240));
    for (int gx = 0; gx < 12; ++gx)
        for (int gy = 0; gy < 6; ++gy)
            if ((gx + gy) % 2 == 0)
                p.fillRect(QRectF(150 + gx * 28, 50 + gy * 28, 28, 28), QColor(200, 30, 40));
    QLinearGradient fold(0, 60, 0, 190);
    fold.setColorAt(0, QColor(255, 255, 255, 60));
    fold.setColorAt(1, QColor(0, 0, 0, 70));
    p.fillRect(QRectF(150, 50, 340, 150), fold);
    p.restore();
    style(p, QPen(QColor(120, 20, 20), 1.5));
    p.drawPath(cloth);
    style(p, QPen(QColor(226, 210, 170), 4));
    p.drawLine(QPointF(185, 150), QPointF(455, 150));
    bayLeaf(p, QPointF(520, 420), 30, 60);
    onionRing(p, QPointF(110, 410), 30, 10);
    return img;
}

QImage herringPlate()
{
    QImage img = table(601, QColor(140, 100, 66), QColor(82, 54, 32));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    plate(p, QPointF(320, 245), 260, 195);
    Rng rng {602};
    for (int i = 0; i < 6; ++i)
        herringPiece(p, QPointF(230 + (i % 3) * 90, 200 + (i / 3) * 80 + rng.range(-8, 8)), 110, 46,
            rng.range(-25, -10));
    for (int i = 0; i < 7; ++i)
        onionRing(p, QPointF(rng.range(200, 440), rng.range(170, 320)), rng.range(16, 26),
            rng.range(0, 180));
    for (int i = 0; i < 3; ++i)
        sprig(p, QPointF(rng.range(200, 380), rng.range(150, 300)), rng.range(-40, 40), 80, 603 + i,
            true);
    for (int k = 0; k < 12; ++k) {
        style(p, Qt::NoPen, QColor(50, 32, 24));
        p.drawEllipse(QPointF(rng.range(200, 440), rng.range(160, 330)), 3, 3);
    }
    return img;
}

QPainterPath fishShape(double length, double height)
{
    QPainterPath f(QPointF(0, 0));
    f.cubicTo(
        length * 0.15, -height * 0.75, length * 0.6, -height * 0.6, length * 0.82, -height * 0.12);
    f.lineTo(length, -height * 0.45);
    f.lineTo(length * 0.95, 0);
    f.lineTo(length, height * 0.45);
    f.lineTo(length * 0.82, height * 0.12);
    f.cubicTo(length * 0.6, height * 0.55, length * 0.15, height * 0.6, 0, 0);
    return f;
}

void smokedFish(QPainter &p, const QPointF &at, double angle, double length, quint32 seed)
{
    const double height = length * 0.26;
    p.save();
    p.translate(at);
    p.rotate(angle);
    const QPainterPath body = fishShape(length, height);
    p.save();
    p.translate(6, 12);
    p.fillPath(body, QColor(0, 0, 0, 70));
    p.restore();
    QLinearGradient g(0, -height * 0.6, 0, height * 0.6);
    g.setColorAt(0, QColor(92, 56, 20));
    g.setColorAt(0.35, QColor(186, 120, 44));
    g.setColorAt(0.6, QColor(222, 168, 78));
    g.setColorAt(1, QColor(236, 206, 140));
    style(p, QPen(QColor(80, 44, 14), 1.5), g);
    p.drawPath(body);
    p.save();
    p.setClipPath(body);
    Rng rng {seed};
    p.setPen(QPen(QColor(70, 40, 10, 150), 2.5));
    for (double x = length * 0.2; x < length * 0.8; x += rng.range(12, 20)) {
        QPainterPath stripe(QPointF(x, -height * 0.6));
        stripe.quadTo(x + 10, -height * 0.3, x - 4, -height * 0.1);
        p.drawPath(stripe);
    }
    highlight(p, QRectF(length * 0.15, -height * 0.35, length * 0.5, height * 0.3), 80);
    p.restore();
    style(p, QPen(QColor(90, 50, 16), 2));
    p.drawArc(
        QRectF(length * 0.12, -height * 0.35, height * 0.5, height * 0.7), -60 * 16, 120 * 16);
    style(p, QPen(QColor(60, 30, 10), 1), QColor(230, 190, 90));
    p.drawEllipse(QPointF(length * 0.08, -height * 0.08), height * 0.09, height * 0.09);
    style(p, Qt::NoPen, QColor(30, 20, 10));
    p.drawEllipse(QPointF(length * 0.08, -height * 0.08), height * 0.045, height * 0.045);
    p.restore();
}

QImage mackerel()
{
    QImage img = table(701, QColor(118, 84, 54), QColor(66, 42, 24));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    board(p, QRectF(40, 100, 560, 340), 702);
    smokedFish(p, QPointF(90, 200), 6, 430, 703);
    smokedFish(p, QPointF(120, 330), -4, 410, 704);
    lemonSlice(p, QPointF(540, 380), 34);
    lemonSlice(p, QPointF(500, 410), 30);
    sprig(p, QPointF(470, 150), 40, 100, 705, false);
    return img;
}

QImage salmon()
{
    QImage img = table(801, QColor(128, 92, 60), QColor(72, 48, 28));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    board(p, QRectF(40, 120, 560, 310), 802);
    // The cured fillet: orange flesh with the white lines of fat.
    QPainterPath fillet(QPointF(90, 200));
    fillet.cubicTo(200, 150, 380, 150, 470, 190);
    fillet.lineTo(450, 330);
    fillet.cubicTo(340, 360, 200, 350, 100, 320);
    fillet.closeSubpath();
    shadow(p, QRectF(100, 250, 380, 110));
    QLinearGradient g(0, 160, 0, 350);
    g.setColorAt(0, QColor(246, 140, 86));
    g.setColorAt(1, QColor(220, 92, 52));
    style(p, QPen(QColor(190, 80, 40), 1.5), g);
    p.drawPath(fillet);
    p.save();
    p.setClipPath(fillet);
    for (double x = 60; x < 520; x += 22) {
        QPainterPath line(QPointF(x, 150));
        line.cubicTo(x + 30, 220, x - 20, 290, x + 20, 370);
        p.strokePath(line, QPen(QColor(255, 226, 200, 150), 3));
    }
    // The dill crust along the top.
    Rng rng {803};
    p.setPen(QPen(QColor(60, 120, 40, 200), 1.4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 500; ++i) {
        const QPointF a(rng.range(80, 480), rng.range(150, 240));
        p.drawLine(a, a + QPointF(rng.range(-6, 6), rng.range(-6, 6)));
    }
    p.restore();
    // Thin slices cut on the bias.
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(450 + i * 22, 262 + i * 28);
        p.rotate(-25);
        QLinearGradient sg(-60, 0, 60, 0);
        sg.setColorAt(0, QColor(250, 150, 100));
        sg.setColorAt(1, QColor(226, 100, 60));
        style(p, QPen(QColor(200, 90, 50), 1), sg);
        p.drawRoundedRect(QRectF(-70, -22, 140, 44), 20, 20);
        p.setPen(QPen(QColor(255, 230, 210, 140), 2));
        p.drawLine(QPointF(-40, -14), QPointF(-20, 16));
        p.drawLine(QPointF(0, -18), QPointF(20, 18));
        p.restore();
    }
    lemonSlice(p, QPointF(150, 395), 32);
    sprig(p, QPointF(230, 400), -10, 140, 804, true);
    return img;
}

QImage loin()
{
    QImage img = table(901, QColor(122, 86, 54), QColor(68, 44, 24));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    board(p, QRectF(40, 130, 560, 300), 902);
    // A smoked log of pork loin with its cut end, seen from the side.
    const QRectF log(90, 190, 360, 120);
    shadow(p, log.adjusted(0, 40, 20, 30));
    QLinearGradient g(0, log.top(), 0, log.bottom());
    g.setColorAt(0, QColor(150, 70, 36));
    g.setColorAt(0.35, QColor(126, 54, 28));
    g.setColorAt(1, QColor(70, 28, 14));
    style(p, QPen(QColor(60, 24, 10), 1.5), g);
    p.drawRoundedRect(log, 58, 58);
    QPainterPath area;
    area.addRoundedRect(log, 58, 58);
    specks(p, area, 903, 160, QColor(40, 20, 10), 0.8, 2.2);
    specks(p, area, 904, 40, QColor(150, 130, 60), 0.8, 2);
    highlight(p, QRectF(140, 200, 260, 30), 70);
    style(p, QPen(QColor(60, 24, 10), 2), QColor(104, 42, 20));
    p.drawEllipse(QRectF(400, 190, 80, 120));
    meatFace(p, QRectF(405, 196, 70, 108), 905, QColor(186, 62, 72), 0.0);
    for (int i = 0; i < 4; ++i) {
        const QPointF c(180 + i * 90, 375 - (i % 2) * 10);
        style(p, QPen(QColor(70, 28, 14), 3), QColor(110, 44, 22));
        p.drawEllipse(c, 50, 40);
        QRadialGradient mg(c - QPointF(10, 10), 50);
        mg.setColorAt(0, QColor(214, 96, 104));
        mg.setColorAt(1, QColor(176, 58, 68));
        style(p, Qt::NoPen, mg);
        p.drawEllipse(c, 44, 34);
    }
    for (int i = 0; i < 3; ++i)
        bayLeaf(p, QPointF(520 + i * 18, 190 + i * 30), 40 - i * 35, 56);
    return img;
}

QImage pate()
{
    QImage img = table(1001, QColor(130, 92, 58), QColor(76, 50, 28));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    board(p, QRectF(40, 140, 560, 290), 1002);
    shadow(p, QRectF(90, 300, 400, 90));
    // The loaf: a browned top, darker sides, and a cut face at the right.
    QPolygonF top({QPointF(110, 200), QPointF(400, 200), QPointF(430, 240), QPointF(90, 240)});
    QPolygonF side({QPointF(90, 240), QPointF(430, 240), QPointF(420, 350), QPointF(100, 350)});
    QLinearGradient tg(0, 200, 0, 240);
    tg.setColorAt(0, QColor(200, 130, 60));
    tg.setColorAt(1, QColor(160, 96, 42));
    style(p, QPen(QColor(100, 56, 20), 1.5), tg);
    p.drawPolygon(top);
    QLinearGradient sg(0, 240, 0, 350);
    sg.setColorAt(0, QColor(150, 90, 44));
    sg.setColorAt(1, QColor(110, 62, 28));
    p.setBrush(sg);
    p.drawPolygon(side);
    QPolygonF face({QPointF(430, 240), QPointF(470, 230), QPointF(460, 340), QPointF(420, 350)});
    style(p, QPen(QColor(120, 80, 50), 1.5), QColor(196, 150, 116));
    p.drawPolygon(face);
    // A slice lying in front with its speckled face up.
    QPolygonF slice({QPointF(450, 330), QPointF(560, 320), QPointF(570, 410), QPointF(460, 420)});
    style(p, QPen(QColor(110, 64, 30), 4), QColor(200, 152, 118));
    p.drawPolygon(slice);
    for (const QPolygonF &poly : {face, slice}) {
        QPainterPath a;
        a.addPolygon(poly);
        specks(p, a, 1003 + quint32(poly.size()), 50, QColor(240, 220, 200), 1, 3);
        specks(p, a, 1005 + quint32(poly.size()), 25, QColor(60, 34, 20), 0.6, 1.6);
    }
    bayLeaf(p, QPointF(200, 220), 10, 60);
    bayLeaf(p, QPointF(260, 222), -15, 56);
    for (int i = 0; i < 6; ++i) {
        QRadialGradient cg(QPointF(310 + i * 14 - 3, 214 + (i % 2) * 8 - 3), 8);
        cg.setColorAt(0, QColor(240, 80, 80));
        cg.setColorAt(1, QColor(150, 10, 20));
        style(p, Qt::NoPen, cg);
        p.drawEllipse(QPointF(310 + i * 14, 214 + (i % 2) * 8), 6.5, 6.5);
    }
    sprig(p, QPointF(120, 390), -5, 120, 1007, false);
    return img;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: make_photos <output folder>\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        QTextStream(stderr) << "cannot create " << out.path() << "\n";
        return 1;
    }
    const std::pair<const char *, std::function<QImage()>> photos[] = {
        {"szynka.jpg", ham},
        {"szynka_plastry.jpg", hamSlices},
        {"boczek.jpg", bacon},
        {"kielbasa.jpg", sausage},
        {"sledzie_sloik.jpg", herringJar},
        {"sledzie_talerz.jpg", herringPlate},
        {"makrela.jpg", mackerel},
        {"losos.jpg", salmon},
        {"poledwica.jpg", loin},
        {"pasztet.jpg", pate},
    };
    for (const auto &[name, paint] : photos) {
        QImageWriter writer(out.filePath(QString::fromLatin1(name)), "jpeg");
        writer.setQuality(90);
        if (!writer.write(paint().convertToFormat(QImage::Format_RGB32))) {
            QTextStream(stderr) << name << ": " << writer.errorString() << "\n";
            return 1;
        }
    }
    return 0;
}
