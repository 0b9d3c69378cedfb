#include "gui/base/artwork.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QtMath>

using namespace Qt::StringLiterals;

namespace tvx::art {
namespace {

const QColor kDeep(0x1e, 0x29, 0x23);   // header green, dark end
const QColor kOlive(0x3c, 0x50, 0x43);  // header green, light end
const QColor kAmber(0xe0, 0xa8, 0x3c);  // accent
const QColor kPaper(0xf4, 0xf6, 0xf1);  // light bands
const QColor kMaroon(0x80, 0x00, 0x00); // the clickable labels' dark red

// A transparent pixmap of `size` logical pixels at the screen's pixel ratio.
QPixmap canvas(QSize size) {
    const qreal dpr = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pm(size * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    return pm;
}

void antialiased(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
}

QPen roundPen(const QColor& c, qreal width) {
    return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// ---- Pictograms, drawn in a 60 x 60 box ----

void drawReset(QPainter& p, const QColor& c) {
    p.setPen(roundPen(c, 6));
    p.setBrush(Qt::NoBrush);
    const QRectF ring(10, 10, 40, 40);
    p.drawArc(ring, 60 * 16, 290 * 16);
    // Arrow head at the arc's start, pointing along the turn.
    const qreal a = qDegreesToRadians(60.0);
    const QPointF tip(30 + 20 * qCos(a), 30 - 20 * qSin(a));
    QPolygonF head;
    head << tip + QPointF(-13, -6) << tip + QPointF(4, -12) << tip + QPointF(2, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(head);
}

void drawPerson(QPainter& p, const QPointF& at, qreal scale) {
    p.drawEllipse(QRectF(at.x() - 8 * scale, at.y(), 16 * scale, 16 * scale));
    QPainterPath body;
    const QRectF shoulders(at.x() - 15 * scale, at.y() + 18 * scale, 30 * scale, 30 * scale);
    body.moveTo(shoulders.left(), shoulders.center().y());
    body.arcTo(shoulders, 180, -180);
    body.closeSubpath();
    p.drawPath(body);
}

void drawPlayers(QPainter& p, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c.darker(135));
    drawPerson(p, QPointF(40, 8), 0.85);
    p.setBrush(c);
    drawPerson(p, QPointF(24, 14), 1.0);
}

void drawChat(QPainter& p, const QColor& c) {
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(5, 8, 50, 34), 9, 9);
    QPolygonF tail;
    tail << QPointF(14, 38) << QPointF(10, 54) << QPointF(28, 40);
    bubble.addPolygon(tail);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(bubble.simplified());
    p.setBrush(kDeep);
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(18 + 12 * i, 25), 4, 4);
}

void drawSettings(QPainter& p, const QColor& c) {
    QPainterPath gear;
    gear.addEllipse(QPointF(30, 30), 17, 17);
    for (int i = 0; i < 8; ++i) {
        QTransform t;
        t.translate(30, 30);
        t.rotate(45.0 * i);
        QPainterPath tooth;
        tooth.addRoundedRect(QRectF(-5, -25, 10, 12), 2, 2);
        gear.addPath(t.map(tooth));
    }
    gear = gear.simplified();
    QPainterPath hole;
    hole.addEllipse(QPointF(30, 30), 7, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(gear.subtracted(hole));
}

void drawMaps(QPainter& p, const QColor& c) {
    const QPointF pts[] = {{4, 14}, {21, 8}, {39, 14}, {56, 8}, {56, 48}, {39, 54}, {21, 48}, {4, 54}};
    p.setPen(roundPen(c, 3));
    p.setBrush(QColor(c.red(), c.green(), c.blue(), 70));
    p.drawPolygon(pts, 8);
    p.drawLine(QPointF(21, 8), QPointF(21, 48));
    p.drawLine(QPointF(39, 14), QPointF(39, 54));
    // A pin on the middle panel.
    QPainterPath pin;
    pin.moveTo(30, 42);
    pin.cubicTo(QPointF(22, 30), QPointF(21, 20), QPointF(30, 19));
    pin.cubicTo(QPointF(39, 20), QPointF(38, 30), QPointF(30, 42));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd6, 0x3a, 0x2f));
    p.drawPath(pin);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(30, 27), 3, 3);
}

void drawAdmin(QPainter& p, const QColor& c) {
    QPainterPath shield;
    shield.moveTo(30, 4);
    shield.lineTo(52, 12);
    shield.cubicTo(QPointF(52, 34), QPointF(44, 48), QPointF(30, 56));
    shield.cubicTo(QPointF(16, 48), QPointF(8, 34), QPointF(8, 12));
    shield.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(shield);
    p.setPen(roundPen(kDeep, 5));
    p.drawPolyline(QPolygonF{QPointF(19, 30), QPointF(27, 38), QPointF(42, 21)});
}

void drawTerminal(QPainter& p, const QColor& c) {
    p.setPen(roundPen(c, 3));
    p.setBrush(kDeep);
    p.drawRoundedRect(QRectF(4, 8, 52, 38), 5, 5);
    p.drawLine(QPointF(22, 52), QPointF(38, 52));
    p.drawLine(QPointF(30, 46), QPointF(30, 52));
    p.setPen(roundPen(c, 4));
    p.drawPolyline(QPolygonF{QPointF(13, 19), QPointF(21, 26), QPointF(13, 33)});
    p.drawLine(QPointF(26, 34), QPointF(40, 34));
}

void drawExit(QPainter& p, const QColor& c) {
    p.setPen(roundPen(c, 6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(9, 11, 42, 42), 125 * 16, 290 * 16);
    p.drawLine(QPointF(30, 5), QPointF(30, 29));
}

struct TabLook {
    const char16_t* caption;
    QColor accent;
    void (*draw)(QPainter&, const QColor&);
};

TabLook tabLook(Tab tab) {
    switch (tab) {
    case Tab::Reset:
        return {u"RESET", QColor(0x7e, 0xc4, 0xf2), drawReset};
    case Tab::Players:
        return {u"PLAYERS", QColor(0xf2, 0xf2, 0xea), drawPlayers};
    case Tab::Chat:
        return {u"CHAT", QColor(0x9b, 0xdc, 0x8a), drawChat};
    case Tab::Settings:
        return {u"SETTINGS", kAmber, drawSettings};
    case Tab::Maps:
        return {u"MAPS", QColor(0xe6, 0xd3, 0x9c), drawMaps};
    case Tab::Admin:
        return {u"ADMIN", QColor(0xf0, 0xc0, 0x4a), drawAdmin};
    case Tab::Terminal:
        return {u"TERMINAL", QColor(0x8e, 0xe0, 0xa0), drawTerminal};
    case Tab::Exit:
        break;
    }
    return {u"EXIT", QColor(0xff, 0x6b, 0x5b), drawExit};
}

} // namespace

QFont tahoma(double points, bool bold) {
    QFont f;
    f.setFamilies({u"Tahoma"_s, u"DejaVu Sans Condensed"_s});
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QFont fixedFont(double points) {
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setPointSizeF(points);
    return f;
}

QCursor handCursor() {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    {
        QPainter p(&pm);
        antialiased(p);
        QPainterPath hand;
        hand.addRoundedRect(QRectF(10.5, 1.5, 6, 18), 3, 3);      // index finger
        hand.addRoundedRect(QRectF(16.5, 10.5, 5, 11), 2.5, 2.5); // middle finger
        hand.addRoundedRect(QRectF(21.5, 11.5, 5, 10), 2.5, 2.5); // ring finger
        hand.addRoundedRect(QRectF(8.5, 15.5, 18, 14), 5, 5);     // palm
        QTransform thumb;
        thumb.translate(9, 22);
        thumb.rotate(-35);
        QPainterPath t;
        t.addRoundedRect(QRectF(-9, -3, 10, 5.5), 2.5, 2.5);
        hand.addPath(thumb.map(t));
        p.setPen(QPen(Qt::black, 1.2));
        p.setBrush(Qt::white);
        p.drawPath(hand.simplified());
        p.setPen(QPen(QColor(90, 90, 90), 1));
        p.drawLine(QPointF(16.5, 15), QPointF(16.5, 19));
        p.drawLine(QPointF(21.5, 15), QPointF(21.5, 19));
    }
    return QCursor(pm, 13, 1);
}

QPixmap topBanner(QSize size) {
    QPixmap pm = canvas(size);
    QPainter p(&pm);
    antialiased(p);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, kDeep);
    g.setColorAt(1, kOlive);
    p.fillRect(QRect(QPoint(0, 0), size), g);
    // Faint diagonal hatching, like a steel plate.
    p.setPen(QPen(QColor(255, 255, 255, 14), 1));
    for (int x = -size.height(); x < size.width(); x += 6)
        p.drawLine(x, size.height(), x + size.height(), 0);
    p.fillRect(QRect(0, size.height() - 3, size.width(), 3), kAmber);
    return pm;
}

QPixmap statusBanner(QSize size) {
    QPixmap pm = canvas(size);
    QPainter p(&pm);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(0xdd, 0xe5, 0xda));
    g.setColorAt(1, Qt::white);
    p.fillRect(QRect(QPoint(0, 0), size), g);
    p.fillRect(QRect(0, 0, size.width(), 2), kAmber);
    return pm;
}

QPixmap bottomBanner(QSize size) {
    QPixmap pm = canvas(size);
    QPainter p(&pm);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, kPaper);
    g.setColorAt(1, QColor(0xd2, 0xdb, 0xcf));
    p.fillRect(QRect(QPoint(0, 0), size), g);
    p.fillRect(QRect(0, 0, size.width(), 2), kOlive);
    p.fillRect(QRect(0, 2, size.width(), 1), kAmber);
    return pm;
}

QPixmap tabPicture(Tab tab, QSize size) {
    const TabLook look = tabLook(tab);
    QPixmap pm = canvas(size);
    QPainter p(&pm);
    antialiased(p);
    const QRectF tile = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(1.5, 1.5, -1.5, -1.5);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(0x4a, 0x61, 0x52));
    g.setColorAt(1, QColor(0x22, 0x2e, 0x27));
    p.setPen(QPen(QColor(0x10, 0x16, 0x12), 1.5));
    p.setBrush(g);
    p.drawRoundedRect(tile, 10, 10);
    // A soft highlight on the upper half.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 18));
    p.drawRoundedRect(tile.adjusted(3, 3, -3, -tile.height() / 2), 8, 8);

    const qreal box = size.width() * 0.56;
    p.save();
    p.translate((size.width() - box) / 2, size.height() * 0.1);
    p.scale(box / 60.0, box / 60.0);
    look.draw(p, look.accent);
    p.restore();

    QFont f = tahoma(8, true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 0.5);
    p.setFont(f);
    p.setPen(Qt::white);
    const QRectF captionBox(tile.left(), size.height() * 0.72, tile.width(), size.height() * 0.2);
    p.drawText(captionBox, Qt::AlignHCenter | Qt::AlignVCenter, QString::fromUtf16(look.caption));
    p.setPen(QPen(look.accent, 2));
    const qreal y = size.height() * 0.92;
    p.drawLine(QPointF(size.width() * 0.3, y), QPointF(size.width() * 0.7, y));
    return pm;
}

QPixmap tipPicture(QSize size) {
    QPixmap pm = canvas(size);
    QPainter p(&pm);
    antialiased(p);
    p.scale(size.width() / 40.0, size.height() / 40.0);
    QRadialGradient glow(QPointF(20, 15), 18);
    glow.setColorAt(0, QColor(255, 236, 150));
    glow.setColorAt(1, QColor(224, 168, 60));
    p.setPen(QPen(QColor(128, 128, 0), 1.5));
    p.setBrush(glow);
    QPainterPath bulb;
    bulb.addEllipse(QPointF(20, 15), 11, 11);
    bulb.addRect(QRectF(15, 22, 10, 7));
    p.drawPath(bulb.simplified());
    p.setBrush(QColor(128, 128, 0));
    p.drawRoundedRect(QRectF(15, 29, 10, 3), 1, 1);
    p.drawRoundedRect(QRectF(16, 33, 8, 3), 1, 1);
    p.setPen(roundPen(QColor(128, 128, 0), 1.5));
    p.drawLine(QPointF(20, 0.8), QPointF(20, 2.5));
    p.drawLine(QPointF(5, 5), QPointF(6.5, 6.5));
    p.drawLine(QPointF(35, 5), QPointF(33.5, 6.5));
    return pm;
}

QPixmap compassPicture(QSize size) {
    QPixmap pm = canvas(size);
    QPainter p(&pm);
    antialiased(p);
    p.scale(size.width() / 48.0, size.height() / 48.0);
    p.setPen(QPen(kMaroon, 2));
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(24, 24), 21, 21);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        QTransform t;
        t.translate(24, 24);
        t.rotate(90.0 * i);
        QPolygonF needle;
        needle << QPointF(0, -18) << QPointF(4, 0) << QPointF(-4, 0);
        p.setBrush(i == 0 ? kMaroon : kOlive);
        p.drawPolygon(t.map(needle));
    }
    p.setBrush(kAmber);
    p.drawEllipse(QPointF(24, 24), 3, 3);
    return pm;
}

QPixmap commandBullet(QSize size) {
    QPixmap pm = canvas(size);
    QPainter p(&pm);
    antialiased(p);
    p.scale(size.width() / 16.0, size.height() / 16.0);
    p.setPen(Qt::NoPen);
    p.setBrush(kMaroon);
    p.drawEllipse(QRectF(1, 1, 14, 14));
    p.setPen(roundPen(Qt::white, 2));
    p.drawPolyline(QPolygonF{QPointF(6.5, 4.5), QPointF(10, 8), QPointF(6.5, 11.5)});
    return pm;
}

QPixmap buttonBackground(QSize size) {
    QPixmap pm = canvas(size);
    QPainter p(&pm);
    antialiased(p);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(0xa8, 0x24, 0x1c));
    g.setColorAt(1, QColor(0x5e, 0x0c, 0x08));
    p.setPen(QPen(QColor(0x3a, 0x06, 0x04), 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(QPointF(0.5, 0.5), QSizeF(size) - QSizeF(1, 1)), 4, 4);
    return pm;
}

QPixmap warningIcon(QSize size) {
    QPixmap pm = canvas(size);
    QPainter p(&pm);
    antialiased(p);
    p.scale(size.width() / 32.0, size.height() / 32.0);
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(2, 3, 28, 20), 6, 6);
    QPolygonF tail;
    tail << QPointF(8, 21) << QPointF(7, 29) << QPointF(15, 21);
    bubble.addPolygon(tail);
    p.setPen(QPen(QColor(0x3a, 0x06, 0x04), 1.2));
    p.setBrush(kAmber);
    p.drawPath(bubble.simplified());
    p.setPen(Qt::NoPen);
    p.setBrush(kMaroon);
    p.drawRoundedRect(QRectF(14.5, 6, 3, 10), 1.5, 1.5);
    p.drawEllipse(QPointF(16, 19), 1.8, 1.8);
    return pm;
}

QPixmap mapPreview(const QString& mapName, QSize size) {
    QPixmap pm = canvas(size);
    QPainter p(&pm);
    antialiased(p);
    const QRectF all(QPointF(0, 0), QSizeF(size));
    if (mapName.isEmpty()) {
        p.fillRect(all, QColor(0x2c, 0x38, 0x31));
        p.setPen(QPen(QColor(255, 255, 255, 30), 1));
        for (int x = 0; x < size.width(); x += 12)
            p.drawLine(x, 0, x, size.height());
        for (int y = 0; y < size.height(); y += 12)
            p.drawLine(0, y, size.width(), y);
        p.save();
        p.translate(size.width() / 2.0 - 24, size.height() / 2.0 - 34);
        p.drawPixmap(0, 0, compassPicture(QSize(48, 48)));
        p.restore();
        p.setFont(tahoma(8.25, true));
        p.setPen(Qt::white);
        p.drawText(all.adjusted(0, 0, 0, -8), Qt::AlignHCenter | Qt::AlignBottom, u"MAP PREVIEW"_s);
        return pm;
    }
    // A top-down sketch of a battlefield, the same for the same name on every run.
    // Seeded from the name itself (FNV-1a): Qt's string hash mixes in a seed that changes with every run.
    quint32 seed = 2166136261u;
    for (const QChar c : mapName)
        seed = (seed ^ c.unicode()) * 16777619u;
    QRandomGenerator rng(seed);
    const int hue = rng.bounded(20, 120);
    p.fillRect(all, QColor::fromHsv(hue, 70, 120));
    for (int i = 0; i < 7; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor::fromHsv(hue + rng.bounded(-15, 15), 60 + rng.bounded(40), 90 + rng.bounded(70)));
        p.drawEllipse(QPointF(rng.bounded(size.width()), rng.bounded(size.height())), 15 + rng.bounded(30),
                      10 + rng.bounded(20));
    }
    p.setPen(QPen(QColor(0xc9, 0xb8, 0x8a), 4, Qt::SolidLine, Qt::RoundCap));
    QPainterPath road;
    road.moveTo(0, rng.bounded(size.height()));
    road.cubicTo(QPointF(size.width() / 3.0, rng.bounded(size.height())),
                 QPointF(2 * size.width() / 3.0, rng.bounded(size.height())),
                 QPointF(size.width(), rng.bounded(size.height())));
    p.setBrush(Qt::NoBrush);
    p.drawPath(road);
    p.setPen(QPen(QColor(0x30, 0x2a, 0x22), 1));
    for (int i = 0; i < 9; ++i) {
        p.setBrush(QColor(0x8a, 0x80, 0x70).darker(100 + rng.bounded(60)));
        p.drawRect(QRectF(rng.bounded(size.width() - 20), rng.bounded(size.height() - 36),
                          8 + rng.bounded(14), 6 + rng.bounded(12)));
    }
    const QRectF band(0, size.height() - 20, size.width(), 20);
    p.fillRect(band, QColor(0, 0, 0, 150));
    p.setFont(tahoma(8.25, true));
    p.setPen(Qt::white);
    p.drawText(band, Qt::AlignCenter, mapName);
    return pm;
}

namespace {

// A round button face in `c`, lit from above, in a 60 x 60 box.
void drawRoundFace(QPainter& p, const QColor& c) {
    QRadialGradient g(QPointF(24, 18), 40);
    g.setColorAt(0, c.lighter(150));
    g.setColorAt(1, c.darker(140));
    p.setPen(QPen(c.darker(220), 2));
    p.setBrush(g);
    p.drawEllipse(QRectF(3, 3, 54, 54));
}

// Two plug halves, joined or pulled apart.
void drawPlug(QPainter& p, bool joined) {
    const qreal gap = joined ? 0 : 7;
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(13 - gap, 24, 14, 12), 3, 3);
    p.drawRoundedRect(QRectF(33 + gap, 22, 14, 16), 3, 3);
    p.setPen(roundPen(Qt::white, 3));
    p.drawLine(QPointF(27 - gap, 27), QPointF(33 + gap - (joined ? 0 : 4), 27));
    p.drawLine(QPointF(27 - gap, 33), QPointF(33 + gap - (joined ? 0 : 4), 33));
    p.drawLine(QPointF(6, 30), QPointF(13 - gap, 30));
    p.drawLine(QPointF(47 + gap, 30), QPointF(54, 30));
}

} // namespace

QPixmap consolePicture(ConsolePicture which, QSize size) {
    QPixmap pm = canvas(size);
    QPainter p(&pm);
    antialiased(p);
    if (which == ConsolePicture::Banner) {
        QLinearGradient g(0, 0, 0, size.height());
        g.setColorAt(0, Qt::white);
        g.setColorAt(1, QColor(0xdd, 0xe5, 0xda));
        p.fillRect(QRect(QPoint(0, 0), size), g);
        // Faint scan lines, like an old monitor.
        p.setPen(QPen(QColor(0x3c, 0x50, 0x43, 18), 1));
        for (int y = 0; y < size.height(); y += 3)
            p.drawLine(0, y, size.width(), y);
        p.fillRect(QRect(0, size.height() - 3, size.width(), 3), kAmber);
        return pm;
    }
    p.scale(size.width() / 60.0, size.height() / 60.0);
    switch (which) {
    case ConsolePicture::Connect:
        drawRoundFace(p, QColor(0x2e, 0x8b, 0x3e));
        drawPlug(p, true);
        break;
    case ConsolePicture::Disconnect:
        drawRoundFace(p, QColor(0xb0, 0x2a, 0x22));
        drawPlug(p, false);
        break;
    case ConsolePicture::Console:
        drawTerminal(p, QColor(0x8e, 0xe0, 0xa0));
        break;
    case ConsolePicture::SendChat:
        drawChat(p, QColor(0x9b, 0xdc, 0x8a));
        p.setPen(roundPen(kMaroon, 4));
        p.drawPolyline(QPolygonF{QPointF(40, 46), QPointF(52, 52), QPointF(40, 58)});
        p.drawLine(QPointF(30, 52), QPointF(51, 52));
        break;
    case ConsolePicture::Icon:
    case ConsolePicture::Banner:
        p.setPen(Qt::NoPen);
        p.setBrush(kDeep);
        p.drawRoundedRect(QRectF(0, 0, 60, 60), 10, 10);
        drawTerminal(p, kAmber);
        break;
    }
    return pm;
}

} // namespace tvx::art
