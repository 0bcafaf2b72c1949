// Draws the 27 nakshatra pictures of the result panel: the name in red script at the top
// and the nakshatra's traditional emblem on a yellow disc. Writes "<key>" JPEG files of
// 150 x 244 pixels, and "<key stem>@2x.jpg" files of 300 x 488 pixels for screens at scale 2,
// into the folder given as the first argument. Given a language code and its compiled
// translations as well, it draws the names in that language into "<key stem>.<code>.jpg" and
// "<key stem>.<code>@2x.jpg".
//
// Build on request:  cmake --build <build> --target vantrel_picture_generator
// Run:               QT_QPA_PLATFORM=offscreen <build>/ui/vantrel_picture_generator ui/pictures
//     and in Hindi:  QT_QPA_PLATFORM=offscreen <build>/ui/vantrel_picture_generator ui/pictures
//                        hi <build>/ui/qv-vantrel_hi.qm   (on the same line)

#include "ui/NakshatraTables.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>
#include <QTranslator>

#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <tuple>
#include <utility>

namespace {

constexpr int Width = 150;
constexpr int Height = 244;
// The emblem is drawn in a 100 x 100 box centred on the disc.
constexpr QPointF DiscCentre(75, 150);
constexpr double DiscRadius = 66;

const QColor Ink(70, 35, 10);
const QColor Fill(150, 70, 20);
const QColor Disc(250, 215, 40);
const QColor Red(200, 20, 20);

using Emblem = std::function<void(QPainter&)>;

void pen(QPainter& p, double width = 2.5) {
    p.setPen(QPen(Ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

QPointF onCircle(QPointF centre, double radius, double degrees) {
    const double a = degrees * std::numbers::pi / 180.0;
    return {centre.x() + radius * std::cos(a), centre.y() - radius * std::sin(a)};
}

// Ashwini: a horse's head facing left, with mane and ear.
void horseHead(QPainter& p) {
    QPainterPath head;
    head.moveTo(62, 18);
    head.lineTo(70, 6);
    head.lineTo(72, 20);
    head.cubicTo(84, 26, 90, 50, 86, 92);
    head.lineTo(50, 92);
    head.cubicTo(54, 74, 52, 62, 44, 56);
    head.cubicTo(34, 62, 18, 66, 12, 58);
    head.cubicTo(8, 52, 12, 44, 20, 40);
    head.cubicTo(34, 30, 46, 20, 62, 18);
    head.closeSubpath();
    pen(p);
    p.setBrush(Fill);
    p.drawPath(head);
    p.setBrush(Ink);
    p.drawEllipse(QPointF(46, 36), 3, 3);
    p.drawEllipse(QPointF(17, 52), 2, 2);
    QPainterPath mane;
    mane.moveTo(72, 20);
    mane.cubicTo(96, 34, 98, 70, 92, 92);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Ink, 6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(mane);
}

// Bharani: an elephant seen from the side, trunk lowered.
void elephant(QPainter& p) {
    pen(p);
    p.setBrush(QColor(120, 120, 130));
    QPainterPath body;
    body.addEllipse(QRectF(30, 30, 62, 42));
    p.drawPath(body);
    for (double x : {36.0, 50.0, 70.0, 82.0}) {
        p.drawRect(QRectF(x, 62, 9, 26));
    }
    p.drawEllipse(QRectF(10, 22, 34, 34));
    QPainterPath trunk;
    trunk.moveTo(14, 44);
    trunk.cubicTo(4, 60, 8, 80, 16, 86);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 120, 130), 8, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(trunk);
    pen(p);
    p.setBrush(QColor(150, 150, 160));
    p.drawEllipse(QRectF(26, 24, 16, 24)); // ear
    p.setBrush(Ink);
    p.drawEllipse(QPointF(20, 34), 2.5, 2.5);
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(18, 50), QPointF(8, 56)); // tusk
}

// Krittika: a flame.
void flame(QPainter& p) {
    QPainterPath outer;
    outer.moveTo(50, 4);
    outer.cubicTo(64, 30, 88, 44, 80, 72);
    outer.cubicTo(74, 92, 26, 92, 20, 72);
    outer.cubicTo(14, 52, 36, 40, 50, 4);
    pen(p);
    p.setBrush(QColor(230, 80, 10));
    p.drawPath(outer);
    QPainterPath inner;
    inner.moveTo(50, 36);
    inner.cubicTo(58, 52, 68, 60, 64, 76);
    inner.cubicTo(60, 88, 40, 88, 36, 76);
    inner.cubicTo(32, 62, 44, 56, 50, 36);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 120));
    p.drawPath(inner);
    pen(p);
    p.setBrush(Fill);
    p.drawRect(QRectF(30, 88, 40, 8)); // lamp base
}

// Rohini: an ox cart (chariot) with a spoked wheel.
void chariot(QPainter& p) {
    pen(p);
    p.setBrush(Fill);
    p.drawRect(QRectF(16, 34, 68, 26));
    p.drawLine(QPointF(16, 46), QPointF(0, 40));
    p.setBrush(QColor(250, 240, 200));
    const QPointF hub(50, 68);
    p.drawEllipse(hub, 22, 22);
    for (int k = 0; k < 8; ++k) {
        p.drawLine(hub, onCircle(hub, 22, k * 45.0));
    }
    p.setBrush(Ink);
    p.drawEllipse(hub, 4, 4);
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(22, 34), QPointF(36, 14));
    p.drawLine(QPointF(78, 34), QPointF(64, 14));
    p.drawLine(QPointF(36, 14), QPointF(64, 14)); // canopy
}

// Mrigasira: a deer's head with antlers.
void deerHead(QPainter& p) {
    pen(p);
    p.setBrush(QColor(190, 120, 60));
    QPainterPath head;
    head.moveTo(38, 44);
    head.cubicTo(38, 34, 62, 34, 62, 44);
    head.cubicTo(62, 62, 56, 82, 50, 92);
    head.cubicTo(44, 82, 38, 62, 38, 44);
    p.drawPath(head);
    p.drawEllipse(QRectF(22, 38, 18, 9));
    p.drawEllipse(QRectF(60, 38, 18, 9));
    p.setBrush(Ink);
    p.drawEllipse(QPointF(44, 54), 2.5, 2.5);
    p.drawEllipse(QPointF(56, 54), 2.5, 2.5);
    p.drawEllipse(QPointF(50, 88), 3, 3);
    p.setPen(QPen(Ink, 3.5, Qt::SolidLine, Qt::RoundCap));
    for (double side : {-1.0, 1.0}) {
        const double x = 50 + side * 8;
        p.drawLine(QPointF(x, 36), QPointF(50 + side * 22, 6));
        p.drawLine(QPointF(50 + side * 14, 24), QPointF(50 + side * 30, 20));
        p.drawLine(QPointF(50 + side * 18, 16), QPointF(50 + side * 12, 4));
    }
}

// Ardra: a teardrop.
void teardrop(QPainter& p) {
    QPainterPath drop;
    drop.moveTo(50, 4);
    drop.cubicTo(62, 30, 84, 50, 84, 66);
    drop.cubicTo(84, 86, 68, 96, 50, 96);
    drop.cubicTo(32, 96, 16, 86, 16, 66);
    drop.cubicTo(16, 50, 38, 30, 50, 4);
    pen(p);
    p.setBrush(QColor(60, 140, 220));
    p.drawPath(drop);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 230, 255));
    p.drawEllipse(QRectF(30, 56, 10, 18));
}

// Punarvasu: a quiver of arrows.
void quiver(QPainter& p) {
    pen(p);
    p.setBrush(Fill);
    QPainterPath body;
    body.moveTo(32, 40);
    body.lineTo(68, 40);
    body.lineTo(62, 96);
    body.lineTo(38, 96);
    body.closeSubpath();
    p.drawPath(body);
    for (int k = 0; k < 4; ++k) {
        const double x = 38 + k * 8;
        p.drawLine(QPointF(x, 40), QPointF(x - 6 + k * 4, 8));
        QPainterPath head;
        const QPointF tip(x - 6 + k * 4, 4);
        head.moveTo(tip);
        head.lineTo(tip + QPointF(-4, 8));
        head.lineTo(tip + QPointF(4, 8));
        head.closeSubpath();
        p.setBrush(Ink);
        p.drawPath(head);
    }
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(36, 56), QPointF(64, 56));
}

// Pushya: a flower with eight petals.
void flower(QPainter& p) {
    pen(p, 2);
    p.setBrush(QColor(240, 120, 170));
    const QPointF centre(50, 50);
    for (int k = 0; k < 8; ++k) {
        p.save();
        p.translate(centre);
        p.rotate(k * 45.0);
        p.drawEllipse(QRectF(-9, -44, 18, 36));
        p.restore();
    }
    p.setBrush(QColor(250, 160, 20));
    p.drawEllipse(centre, 12, 12);
}

// Ashlesha: a coiled serpent with raised head.
void serpent(QPainter& p) {
    QPainterPath coil;
    const QPointF centre(50, 66);
    coil.moveTo(centre);
    for (int step = 1; step <= 80; ++step) {
        const double t = step / 80.0 * 3.0 * 2 * std::numbers::pi;
        const double r = 3 + 8 * t / (2 * std::numbers::pi);
        coil.lineTo(centre.x() + r * std::cos(t), centre.y() + 0.6 * r * std::sin(t));
    }
    coil.cubicTo(78, 40, 60, 30, 58, 16);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 120, 40), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(coil);
    pen(p);
    p.setBrush(QColor(40, 120, 40));
    p.drawEllipse(QRectF(48, 4, 22, 15));
    p.setPen(QPen(Red, 1.5));
    p.drawLine(QPointF(48, 12), QPointF(40, 10));
    p.drawLine(QPointF(40, 10), QPointF(36, 6));
    p.drawLine(QPointF(40, 10), QPointF(36, 13));
}

// Magha: a royal throne.
void throne(QPainter& p) {
    pen(p);
    p.setBrush(QColor(200, 40, 40));
    QPainterPath back;
    back.moveTo(28, 56);
    back.lineTo(28, 20);
    back.cubicTo(28, 4, 72, 4, 72, 20);
    back.lineTo(72, 56);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(Fill);
    p.drawRect(QRectF(18, 56, 64, 12));
    p.drawRect(QRectF(22, 68, 8, 26));
    p.drawRect(QRectF(70, 68, 8, 26));
    p.drawRect(QRectF(14, 40, 14, 8));
    p.drawRect(QRectF(72, 40, 14, 8));
    p.setBrush(Disc.darker(130));
    p.drawEllipse(QPointF(50, 10), 5, 5);
}

// The legs of a bed: Poorva Phalguni shows its front, a couch with a high head end.
void couchFront(QPainter& p) {
    pen(p);
    p.setBrush(Fill);
    p.drawRect(QRectF(8, 52, 84, 12));
    p.drawRect(QRectF(12, 64, 8, 26));
    p.drawRect(QRectF(80, 64, 8, 26));
    p.setBrush(QColor(220, 60, 60));
    p.drawRoundedRect(QRectF(12, 40, 76, 12), 5, 5); // mattress
    p.setBrush(Fill);
    p.drawRect(QRectF(8, 20, 10, 32));
    p.setBrush(QColor(250, 240, 200));
    p.drawEllipse(QRectF(20, 30, 22, 12)); // pillow
}

// Uttara Phalguni: the bed's back legs, a low bed with a canopy.
void bedBack(QPainter& p) {
    pen(p);
    p.setBrush(Fill);
    p.drawRect(QRectF(10, 60, 80, 10));
    for (double x : {12.0, 80.0}) {
        p.drawRect(QRectF(x, 70, 8, 22));
        p.drawRect(QRectF(x + 2, 16, 4, 44));
    }
    p.setBrush(QColor(220, 60, 60));
    QPainterPath canopy;
    canopy.moveTo(10, 16);
    canopy.cubicTo(30, 34, 70, 34, 90, 16);
    canopy.lineTo(10, 16);
    p.drawPath(canopy);
}

// Hasta: an open hand.
void hand(QPainter& p) {
    pen(p);
    p.setBrush(QColor(240, 190, 150));
    QPainterPath palm;
    palm.addRoundedRect(QRectF(30, 46, 40, 44), 12, 12);
    for (int k = 0; k < 4; ++k) {
        palm.addRoundedRect(QRectF(30 + k * 10, 12 + (k == 0 || k == 3 ? 8 : 0), 9, 44), 4.5, 4.5);
    }
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(-5, -22, 10, 34), 5, 5);
    QTransform turn;
    turn.translate(30, 66);
    turn.rotate(-50);
    palm = palm.united(turn.map(thumb));
    p.drawPath(palm);
}

// Chitra: a bright jewel.
void jewel(QPainter& p) {
    pen(p, 2);
    const QPointF top[] = {{28, 30}, {72, 30}, {88, 46}, {12, 46}};
    p.setBrush(QColor(120, 220, 240));
    p.drawPolygon(top, 4);
    const QPointF lower[] = {{12, 46}, {88, 46}, {50, 94}};
    p.setBrush(QColor(40, 160, 200));
    p.drawPolygon(lower, 3);
    p.drawLine(QPointF(34, 46), QPointF(50, 94));
    p.drawLine(QPointF(66, 46), QPointF(50, 94));
    p.drawLine(QPointF(40, 30), QPointF(34, 46));
    p.drawLine(QPointF(60, 30), QPointF(66, 46));
    p.setPen(QPen(Qt::white, 2));
    for (int k = 0; k < 4; ++k) {
        p.drawLine(onCircle(QPointF(50, 14), 4, k * 90.0), onCircle(QPointF(50, 14), 11, k * 90.0));
    }
}

// Swati: a young shoot bending in the wind.
void shoot(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 130, 40), 4, Qt::SolidLine, Qt::RoundCap));
    QPainterPath stem;
    stem.moveTo(50, 94);
    stem.cubicTo(50, 60, 60, 36, 84, 18);
    p.drawPath(stem);
    pen(p, 1.5);
    p.setBrush(QColor(80, 180, 60));
    for (const auto& [x, y, angle] : {std::tuple{52.0, 70.0, -30.0}, std::tuple{56.0, 50.0, 200.0},
                                      std::tuple{66.0, 34.0, -50.0}}) {
        p.save();
        p.translate(x, y);
        p.rotate(angle);
        p.drawEllipse(QRectF(0, -6, 26, 12));
        p.restore();
    }
    p.setPen(QPen(Ink, 1.5, Qt::DashLine));
    for (double y : {24.0, 40.0, 56.0}) {
        p.drawLine(QPointF(8, y), QPointF(34, y - 4)); // the wind
    }
}

// Vishakha: a triumphal arch decorated with leaves.
void arch(QPainter& p) {
    pen(p);
    p.setBrush(Fill);
    QPainterPath gate;
    gate.moveTo(12, 94);
    gate.lineTo(12, 40);
    gate.cubicTo(12, 6, 88, 6, 88, 40);
    gate.lineTo(88, 94);
    gate.lineTo(72, 94);
    gate.lineTo(72, 44);
    gate.cubicTo(72, 22, 28, 22, 28, 44);
    gate.lineTo(28, 94);
    gate.closeSubpath();
    p.drawPath(gate);
    p.setBrush(QColor(60, 150, 50));
    for (int k = 0; k < 7; ++k) {
        const QPointF at(26 + k * 8, 36 + std::abs(k - 3) * 2.0);
        p.drawEllipse(QRectF(at.x() - 3, at.y(), 6, 12));
    }
}

// Anuradha: a lotus.
void lotus(QPainter& p) {
    pen(p, 2);
    p.setBrush(QColor(245, 140, 180));
    for (double angle : {-60.0, -30.0, 30.0, 60.0, 0.0}) {
        p.save();
        p.translate(50, 80);
        p.rotate(angle);
        QPainterPath petal;
        petal.moveTo(0, 0);
        petal.cubicTo(-16, -24, -10, -52, 0, -64);
        petal.cubicTo(10, -52, 16, -24, 0, 0);
        p.drawPath(petal);
        p.restore();
    }
    p.setBrush(QColor(60, 150, 50));
    p.drawEllipse(QRectF(14, 82, 72, 12));
}

// Jyeshtha: a royal umbrella.
void umbrella(QPainter& p) {
    pen(p);
    p.setBrush(QColor(200, 40, 40));
    QPainterPath canopy;
    canopy.moveTo(6, 44);
    canopy.cubicTo(10, 6, 90, 6, 94, 44);
    for (int k = 4; k >= 0; --k) {
        const double x = 6 + k * 17.6;
        canopy.quadTo(x + 8.8, 36, x, 44);
    }
    p.drawPath(canopy);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Ink, 4, Qt::SolidLine, Qt::RoundCap));
    QPainterPath handle;
    handle.moveTo(50, 14);
    handle.lineTo(50, 86);
    handle.cubicTo(50, 96, 38, 96, 38, 86);
    p.drawPath(handle);
}

// Moola: a bunch of roots tied together.
void roots(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Fill, 4, Qt::SolidLine, Qt::RoundCap));
    for (int k = -3; k <= 3; ++k) {
        QPainterPath root;
        root.moveTo(50, 10);
        root.cubicTo(50 + k * 2, 40, 50 + k * 8, 60, 50 + k * 12, 94 - std::abs(k) * 4);
        p.drawPath(root);
    }
    pen(p);
    p.setBrush(QColor(220, 60, 60));
    p.drawRect(QRectF(40, 28, 20, 8)); // the tie
    p.setBrush(QColor(60, 150, 50));
    p.drawEllipse(QRectF(34, 0, 14, 14));
    p.drawEllipse(QRectF(52, 0, 14, 14));
}

// Purva Ashadha: a winnowing fan.
void fan(QPainter& p) {
    pen(p);
    p.setBrush(QColor(220, 180, 90));
    QPainterPath blade;
    blade.moveTo(50, 90);
    blade.arcTo(QRectF(8, 8, 84, 84), 30, 120);
    blade.closeSubpath();
    p.drawPath(blade);
    for (int k = 0; k <= 6; ++k) {
        p.drawLine(QPointF(50, 90), onCircle(QPointF(50, 50), 42, 30 + k * 20.0));
    }
    p.setBrush(Fill);
    p.drawRect(QRectF(46, 84, 8, 12));
}

// Uttara Ashadha: an elephant's tusk.
void tusk(QPainter& p) {
    pen(p);
    p.setBrush(QColor(250, 245, 225));
    QPainterPath ivory;
    ivory.moveTo(20, 86);
    ivory.cubicTo(24, 40, 50, 14, 86, 10);
    ivory.cubicTo(62, 24, 44, 52, 40, 90);
    ivory.closeSubpath();
    p.drawPath(ivory);
    p.setBrush(QColor(200, 40, 40));
    p.drawRect(QRectF(16, 84, 28, 10));
}

// Shravana: an ear.
void ear(QPainter& p) {
    pen(p, 3);
    p.setBrush(QColor(240, 190, 150));
    QPainterPath outer;
    outer.moveTo(40, 90);
    outer.cubicTo(26, 84, 20, 60, 24, 34);
    outer.cubicTo(28, 4, 80, 2, 80, 36);
    outer.cubicTo(80, 56, 60, 60, 58, 76);
    outer.cubicTo(56, 92, 46, 94, 40, 90);
    p.drawPath(outer);
    p.setBrush(Qt::NoBrush);
    QPainterPath inner;
    inner.moveTo(38, 40);
    inner.cubicTo(40, 20, 66, 20, 64, 40);
    inner.cubicTo(62, 52, 48, 52, 50, 64);
    p.drawPath(inner);
}

// Dhanistha: a drum with its lacing.
void drum(QPainter& p) {
    pen(p);
    p.setBrush(Fill);
    QPainterPath body;
    body.moveTo(14, 30);
    body.cubicTo(40, 20, 60, 20, 86, 30);
    body.lineTo(86, 70);
    body.cubicTo(60, 80, 40, 80, 14, 70);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(QColor(250, 240, 200));
    p.drawEllipse(QRectF(6, 28, 16, 44));
    p.drawEllipse(QRectF(78, 28, 16, 44));
    p.setPen(QPen(QColor(250, 240, 200), 1.5));
    for (int k = 0; k < 6; ++k) {
        p.drawLine(QPointF(16, 32 + k * 7), QPointF(84, 68 - k * 7));
    }
}

// Shatabhisha: an empty circle ringed by stars.
void starCircle(QPainter& p) {
    pen(p, 4);
    p.setBrush(Qt::NoBrush);
    const QPointF centre(50, 50);
    p.drawEllipse(centre, 26, 26);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 240, 255));
    for (int k = 0; k < 12; ++k) {
        const QPointF at = onCircle(centre, 40, k * 30.0);
        QPolygonF star;
        for (int v = 0; v < 10; ++v) {
            star << onCircle(at, v % 2 == 0 ? 6 : 2.5, 90 + v * 36.0);
        }
        p.drawPolygon(star);
    }
}

// Poorva Bhadrapada: a sword.
void sword(QPainter& p) {
    pen(p, 2);
    p.setBrush(QColor(210, 215, 225));
    QPainterPath blade;
    blade.moveTo(50, 4);
    blade.lineTo(57, 16);
    blade.lineTo(57, 66);
    blade.lineTo(43, 66);
    blade.lineTo(43, 16);
    blade.closeSubpath();
    p.drawPath(blade);
    p.drawLine(QPointF(50, 12), QPointF(50, 64));
    p.setBrush(QColor(200, 160, 30));
    p.drawRoundedRect(QRectF(28, 66, 44, 8), 3, 3);
    p.setBrush(Fill);
    p.drawRect(QRectF(46, 74, 8, 16));
    p.setBrush(QColor(200, 160, 30));
    p.drawEllipse(QPointF(50, 92), 5, 5);
}

// Uttara Bhadrapada: the twins.
void twins(QPainter& p) {
    pen(p);
    for (double x : {32.0, 68.0}) {
        p.setBrush(QColor(240, 190, 150));
        p.drawEllipse(QPointF(x, 22), 11, 11);
        p.setBrush(x < 50 ? QColor(60, 110, 200) : QColor(200, 60, 60));
        QPainterPath body;
        body.moveTo(x - 14, 92);
        body.lineTo(x - 10, 40);
        body.cubicTo(x - 6, 34, x + 6, 34, x + 10, 40);
        body.lineTo(x + 14, 92);
        body.closeSubpath();
        p.drawPath(body);
    }
    p.setPen(QPen(Ink, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(42, 56), QPointF(58, 56)); // joined hands
}

// Revati: a fish.
void fish(QPainter& p) {
    pen(p);
    p.setBrush(QColor(240, 130, 40));
    QPainterPath body;
    body.moveTo(8, 50);
    body.cubicTo(26, 22, 60, 22, 76, 50);
    body.cubicTo(60, 78, 26, 78, 8, 50);
    p.drawPath(body);
    QPainterPath tail;
    tail.moveTo(74, 50);
    tail.lineTo(96, 30);
    tail.lineTo(90, 50);
    tail.lineTo(96, 70);
    tail.closeSubpath();
    p.drawPath(tail);
    p.setBrush(Ink);
    p.drawEllipse(QPointF(22, 46), 3, 3);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(30, 36, 16, 28), -60 * 16, 120 * 16);
}

const std::array<Emblem, 27> Emblems{
    horseHead, elephant,   flame,   chariot, deerHead, teardrop,   quiver, flower, serpent,
    throne,    couchFront, bedBack, hand,    jewel,    shoot,      arch,   lotus,  umbrella,
    roots,     fan,        tusk,    ear,     drum,     starCircle, sword,  twins,  fish};

// The picture drawn `scale` times its size: the same drawing on a finer grid, the name's
// size chosen on the 150 x 244 grid so that both sizes wrap alike.
// In Latin letters the name is italic; Devanagari has no italic and is drawn upright, in a
// serif face made for it.
QImage drawPicture(const QString& name, const Emblem& emblem, int scale, bool devanagari) {
    QImage image(Width * scale, Height * scale, QImage::Format_RGB32);
    image.fill(QColor(255, 250, 235));
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    p.setPen(QPen(Red, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(3, 3, Width - 6, Height - 6));

    // The name in red script, shrunk until it fits the width.
    QFont script(devanagari ? QStringLiteral("Noto Serif Devanagari")
                            : QStringLiteral("DejaVu Serif"));
    script.setItalic(!devanagari);
    script.setBold(true);
    // Long names wrap onto a second line; the size shrinks until every word fits.
    const QRect nameBox(8, 10, Width - 16, 64);
    const int flags = Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap;
    const auto fits = [&](const QFont& font) {
        const QFontMetrics metrics(font);
        for (const QString& word : name.split(QLatin1Char(' '))) {
            if (metrics.horizontalAdvance(word) > nameBox.width()) {
                return false;
            }
        }
        return metrics.boundingRect(nameBox, flags, name).height() <= nameBox.height();
    };
    int size = 20;
    script.setPixelSize(size);
    while (size > 9 && !fits(script)) {
        script.setPixelSize(--size);
    }
    p.setFont(script);
    p.setPen(Red);
    p.drawText(nameBox, flags, name);

    p.setPen(QPen(QColor(200, 140, 0), 3));
    p.setBrush(Disc);
    p.drawEllipse(DiscCentre, DiscRadius, DiscRadius);

    p.translate(DiscCentre - QPointF(50, 50));
    emblem(p);
    p.end();
    return image;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2 && argc != 4) {
        err << "usage: vantrel_picture_generator <output folder> [<language code> <.qm file>]\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QString suffix;
    QTranslator translator;
    if (argc == 4) {
        if (!translator.load(QString::fromLocal8Bit(argv[3]))) {
            err << "cannot read the translations " << argv[3] << '\n';
            return 1;
        }
        QCoreApplication::installTranslator(&translator);
        suffix = QLatin1Char('.') + QString::fromLatin1(argv[2]);
    }
    for (std::size_t i = 0; i < modNakshatraInformation::NakshatraGroupTable.size(); ++i) {
        const auto& row = modNakshatraInformation::NakshatraGroupTable[i];
        const QString name =
            QCoreApplication::translate("modNakshatraInformation", std::string(row.name).c_str());
        const bool devanagari = name.front().script() == QChar::Script_Devanagari;
        const QString stem = QString::fromLatin1(row.pictureKey.data(),
                                                 static_cast<qsizetype>(row.pictureKey.size()))
                                 .chopped(4) +
                             suffix;
        const QString key = stem + QStringLiteral(".jpg");
        const QString doubleKey = stem + QStringLiteral("@2x.jpg");
        for (const auto& [scale, file] : {std::pair{1, key}, std::pair{2, doubleKey}}) {
            const QImage image = drawPicture(name, Emblems[i], scale, devanagari);
            if (!image.save(folder.filePath(file), "JPEG", 90)) {
                err << "cannot write " << folder.filePath(file) << '\n';
                return 1;
            }
        }
    }
    return 0;
}
