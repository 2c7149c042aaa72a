// zantrel_artwork: draws every picture of the editor's skin (backgrounds, buttons, lamp and
// mouse pointer) into the folder given on the command line. Nothing is loaded; the same
// output comes out of every run, so the committed files only change when this code does.
#include "paint.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtEndian>

#include <cmath>
#include <cstdio>
#include <vector>

using namespace art;

namespace {

// ---- Buttons --------------------------------------------------------------------------------

// Plain pictures get no frame of their own: the editor draws its bevel around them.
enum class Face { Plain, Normal, Pressed, Highlighted };

struct Button {
    const char* name;
    int w, h;
    const char* label;
    Icon icon;
    std::vector<Face> faces;
};

const Button kButtons[] = {
    {"tree", 81, 22, "TREE", Icon::Folder, {Face::Normal, Face::Pressed}},
    {"settings", 135, 22, "SETTINGS", Icon::Gear, {Face::Normal, Face::Pressed}},
    {"minimize", 18, 22, "", Icon::Bar, {Face::Plain}},
    {"close", 76, 22, "CLOSE", Icon::Cross, {Face::Normal, Face::Pressed}},
    {"treeclose", 72, 16, "CLOSE", Icon::Cross, {Face::Normal, Face::Pressed}},
    {"save", 130, 22, "SAVE", Icon::Disk, {Face::Normal, Face::Pressed}},
    {"settingsclose", 130, 22, "CLOSE", Icon::Cross, {Face::Normal, Face::Pressed}},
    {"defaults", 52, 15, "DEFAULTS", Icon::None, {Face::Normal, Face::Highlighted}},
};

QString fileName(const Button& b, Face f) {
    static const char* const kSuffix[] = {"", "_normal", "_pressed", "_highlighted"};
    return QString::fromLatin1(b.name) + QLatin1String(kSuffix[int(f)]) + QStringLiteral(".png");
}

QImage button(const Button& b, Face face) {
    const bool pressed = face == Face::Pressed, hot = face == Face::Highlighted;
    QImage img = canvas(b.w, b.h);
    // Same seed for every face, so pressing changes the light and not the scratches.
    metal(img, img.rect(), seedOf(b.name), pressed ? 0.7 : 1.0);
    if (face == Face::Plain) {
        glow(img, 0.9, 2,
             [&](QPainter& p) { icon(p, b.icon, QRectF(4, 5, b.w - 8, b.h - 10), kPhosphor); });
        return img;
    }
    const bool small = b.h < 20;
    const int rim = small ? 1 : 2;
    {
        QPainter p(&img);
        p.setPen(QColor(6, 7, 8));
        p.drawRect(img.rect().adjusted(0, 0, -1, -1));
        bevel(p, img.rect().adjusted(1, 1, -1, -1), rim, !pressed, 150);
    }
    // The label sits behind a strip of dark glass set into the key.
    const int inset = rim + (small ? 1 : 2);
    const QRect glass = img.rect().adjusted(inset, inset, -inset, -inset);
    well(img, glass, 1, hot ? QColor(6, 28, 12) : pressed ? QColor(2, 5, 3) : kGlass);
    const QFont font = b.h < 16 ? narrow(9) : small ? sans(10, true, 0.5) : mono(12, 1);
    const QString text = QString::fromLatin1(b.label);
    const double textW = QFontMetricsF(font).horizontalAdvance(text);
    const double iconW = b.icon == Icon::None ? 0 : glass.height() - 3;
    const double gap = iconW > 0 ? (small ? 3 : 5) : 0;
    const double shift = pressed ? 1 : 0;
    const double left = glass.left() + (glass.width() - textW - iconW - gap) / 2 + shift;
    const QColor ink = hot ? kPhosphorHot : pressed ? kPhosphorDim : kPhosphor;
    glow(img,
         hot       ? 1.8
         : pressed ? 0.5
                   : 0.9,
         hot ? 3 : 2, [&](QPainter& p) {
             const double iy = glass.top() + 1.5 + shift;
             icon(p, b.icon, QRectF(left, iy, iconW, iconW), ink);
             p.setFont(font);
             p.setPen(ink);
             p.drawText(QRectF(left + iconW + gap, glass.top() + shift, textW + 2, glass.height()),
                        Qt::AlignLeft | Qt::AlignVCenter, text);
         });
    return img;
}

// ---- Unsaved-changes lamp -------------------------------------------------------------------

QImage lamp(bool lit) {
    QImage img = canvas(23, 20);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(11.5, 10);
    QRadialGradient bezel(c, 9.5, c - QPointF(4, 4));
    bezel.setColorAt(0, QColor(170, 174, 178));
    bezel.setColorAt(0.6, QColor(78, 82, 88));
    bezel.setColorAt(1, QColor(30, 32, 35));
    p.setPen(QPen(QColor(6, 7, 8), 0.8));
    p.setBrush(bezel);
    p.drawEllipse(c, 9.2, 9.2);
    QRadialGradient lens(c, 6.5, c - QPointF(1.5, 2));
    if (lit) {
        lens.setColorAt(0, QColor(255, 250, 214));
        lens.setColorAt(0.35, QColor(255, 190, 48));
        lens.setColorAt(0.8, QColor(236, 96, 18));
        lens.setColorAt(1, QColor(150, 40, 8));
    } else {
        lens.setColorAt(0, QColor(92, 60, 22));
        lens.setColorAt(0.7, QColor(46, 28, 10));
        lens.setColorAt(1, QColor(18, 11, 4));
    }
    p.setPen(QPen(QColor(0, 0, 0, 220), 1));
    p.setBrush(lens);
    p.drawEllipse(c, 6.5, 6.5);
    if (lit) {
        // Light spills onto the bezel when the lamp is on.
        QRadialGradient halo(c, 10);
        halo.setColorAt(0.6, QColor(255, 150, 30, 90));
        halo.setColorAt(1, QColor(255, 150, 30, 0));
        p.setCompositionMode(QPainter::CompositionMode_Plus);
        p.setPen(Qt::NoPen);
        p.setBrush(halo);
        p.drawEllipse(c, 9.2, 9.2);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, lit ? 200 : 90));
    p.drawEllipse(QPointF(9.3, 7.6), 1.8, 1.2);
    return img;
}

// ---- Backgrounds ----------------------------------------------------------------------------

const QString kCategories =
    QStringLiteral("Items \u00b7 Critters \u00b7 Scenery \u00b7 Walls \u00b7 Tiles \u00b7 Misc");

// Every window: a worn plate with a lit edge and a rivet in each corner.
QImage plate(int w, int h, const char* name, int rivetInset) {
    QImage img = canvas(w, h);
    metal(img, img.rect(), seedOf(name));
    QPainter p(&img);
    p.setPen(QColor(6, 7, 8));
    p.drawRect(img.rect().adjusted(0, 0, -1, -1));
    bevel(p, img.rect().adjusted(1, 1, -1, -1), 2, true);
    if (rivetInset > 0)
        rivets(p, img.rect(), rivetInset, 2.6);
    return img;
}

// A vault-door wheel: toothed rim, ring of bolts, hub with a three-spoke handle.
void emblem(QImage& img, QPointF c, double r) {
    glow(img, 1.0, std::max(2, int(r / 14)), [&](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(kPhosphor);
        gear(p, c, r, r * 0.88, 20, r * 0.78);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kPhosphorDim, r * 0.03));
        p.drawEllipse(c, r * 0.7, r * 0.7);
        p.setPen(Qt::NoPen);
        p.setBrush(kPhosphor);
        for (int i = 0; i < 12; ++i) {
            const double a = i * 3.14159265358979 / 6;
            p.drawEllipse(c + QPointF(std::cos(a), std::sin(a)) * r * 0.6, r * 0.045, r * 0.045);
        }
        p.setPen(QPen(kPhosphor, r * 0.07, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 3; ++i) {
            const double a = -3.14159265358979 / 2 + i * 2 * 3.14159265358979 / 3;
            p.drawLine(c, c + QPointF(std::cos(a), std::sin(a)) * r * 0.45);
        }
        p.setBrush(kGlass);
        p.setPen(QPen(kPhosphor, r * 0.05));
        p.drawEllipse(c, r * 0.2, r * 0.2);
        p.setFont(mono(int(r * 0.24)));
        p.drawText(QRectF(c.x() - r * 0.2, c.y() - r * 0.2, r * 0.4, r * 0.4), Qt::AlignCenter,
                   QStringLiteral("Z"));
    });
}

QImage loading() {
    QImage img = plate(472, 451, "loading", 9);
    const QRect glass(26, 24, 420, 308);
    screen(img, glass, 6);
    glowText(img, QRectF(glass.left(), 44, glass.width(), 80), QStringLiteral("ZANTREL"),
             mono(68, 6), kPhosphor, 1.4);
    glowText(img, QRectF(glass.left(), 124, glass.width(), 30),
             QStringLiteral("Fallout 2 prototype editor"), sans(20, false, 0.5), kPhosphor, 0.9);
    emblem(img, QPointF(236, 230), 54);
    glowText(img, QRectF(glass.left(), 294, glass.width(), 24), kCategories, sans(13, false),
             kPhosphorDim, 0.7);
    // The editor writes its status line and progress bar here: keep it plain and dark.
    well(img, QRect(50, 355, 382, 52), 5);
    QPainter p(&img);
    vents(p, QRect(60, 418, 120, 18), 8, true);
    vents(p, QRect(292, 418, 120, 18), 8, true);
    engrave(p, QRect(180, 414, 112, 26), QStringLiteral("ZT-2"), mono(14, 3));
    return img;
}

QImage editorTop() {
    QImage img = plate(815, 532, "editor_top", 8);
    // The button rail across the top, with the name plate between the buttons.
    well(img, QRect(44, 3, 741, 26), 2, QColor(16, 18, 20));
    screen(img, QRect(146, 6, 380, 20), 2);
    glow(img, 1.1, 2, [](QPainter& p) {
        p.setFont(mono(15, 4));
        p.setPen(kPhosphor);
        p.drawText(QRectF(146, 6, 380, 20), Qt::AlignCenter, QStringLiteral("ZANTREL"));
        p.setFont(mono(9, 1));
        p.setPen(kPhosphorDim);
        p.drawText(QRectF(154, 6, 120, 20), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("PRO EDITOR"));
        p.drawText(QRectF(398, 6, 120, 20), Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("FALLOUT 2"));
    });
    // A raised mounting plate carries the sunken bezel of the editor panel.
    const QRect panel(58, 50, 711, 450);
    const QRect mount = panel.adjusted(-18, -14, 18, 14);
    {
        QPainter p(&img);
        p.setPen(QColor(0, 0, 0, 160));
        p.drawRect(mount.adjusted(-1, -1, 0, 0));
        bevel(p, mount, 3, true, 70);
        rivets(p, mount, 6, 2.6);
        for (int y : {128, 275, 422}) {
            rivet(p, QPointF(mount.left() + 6, y), 2.4);
            rivet(p, QPointF(mount.right() - 5, y), 2.4);
        }
    }
    well(img, panel, 5);
    QPainter p(&img);
    vents(p, QRect(8, 150, 24, 230), 14, false);
    vents(p, QRect(794, 150, 14, 230), 14, false);
    engrave(p, QRect(548, 516, 244, 14), QStringLiteral("MODEL ZT-2  //  PROTO BENCH"), mono(10, 1),
            Qt::AlignRight | Qt::AlignVCenter);
    return img;
}

QImage editorBottom() {
    QImage img = canvas(815, 40);
    metal(img, img.rect(), seedOf("editor_bottom"), 0.9);
    {
        QPainter p(&img);
        p.setPen(QColor(6, 7, 8));
        p.drawRect(img.rect().adjusted(0, 0, -1, -1));
        bevel(p, img.rect().adjusted(1, 1, -1, -1), 2, true);
    }
    well(img, QRect(12, 8, 119, 23), 3);  // file name
    well(img, QRect(244, 8, 561, 25), 3); // status line
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // The lamp's socket: a dark round recess the lamp picture sits in.
    QRadialGradient socket(QPointF(191.5, 20), 12.5);
    socket.setColorAt(0.7, QColor(4, 5, 6, 230));
    socket.setColorAt(1, QColor(4, 5, 6, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(socket);
    p.drawEllipse(QPointF(191.5, 20), 12.5, 12.5);
    rivet(p, QPointF(155, 20), 2.4);
    rivet(p, QPointF(224, 20), 2.4);
    return img;
}

QImage about() {
    QImage img = plate(367, 396, "about", 8);
    const QRect glass(18, 18, 331, 360);
    screen(img, glass, 5);
    glowText(img, QRectF(glass.left(), 30, glass.width(), 54), QStringLiteral("ZANTREL"),
             mono(44, 4), kPhosphor, 1.4);
    glowText(img, QRectF(glass.left(), 84, glass.width(), 24),
             QStringLiteral("Fallout 2 prototype editor"), sans(16, false, 0.3), kPhosphor, 0.9);
    emblem(img, QPointF(183.5, 194), 62);
    glowText(img, QRectF(glass.left(), 272, glass.width(), 22), kCategories, sans(12, false),
             kPhosphor, 0.8);
    glowText(img, QRectF(glass.left(), 326, glass.width(), 22),
             QStringLiteral("Written with C++17 and Qt 6"), sans(13, false), kPhosphorDim, 0.7);
    return img;
}

QImage treeBackground() {
    QImage img = plate(160, 572, "tree_background", 6);
    well(img, QRect(18, 10, 121, 19), 3);  // drive box
    well(img, QRect(18, 48, 121, 486), 4); // folder list above, file list below
    well(img, QRect(45, 549, 72, 16), 2);  // close button
    QPainter p(&img);
    // Notches on the walls mark where the folder list ends and the file list starts.
    p.fillRect(QRect(14, 288, 4, 1), QColor(255, 250, 236, 60));
    p.fillRect(QRect(139, 288, 4, 1), QColor(255, 250, 236, 60));
    engrave(p, QRect(18, 32, 121, 14), QStringLiteral("TREE"), mono(10, 3));
    return img;
}

QImage settingsBackground() {
    QImage img = plate(613, 227, "settings_background", 7);
    screen(img, QRect(40, 12, 241, 30), 3);
    glow(img, 1.1, 2, [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(kPhosphor);
        gear(p, QPointF(62, 27), 9, 6.5, 8, 3);
        p.setFont(mono(18, 4));
        p.setPen(kPhosphor);
        p.drawText(QRectF(40, 12, 241, 30), Qt::AlignCenter, QStringLiteral("SETTINGS"));
    });
    well(img, QRect(40, 56, 241, 95), 4);   // list of pages
    well(img, QRect(328, 42, 257, 140), 4); // the page shown
    well(img, QRect(132, 160, 52, 15), 2);  // defaults button
    well(img, QRect(29, 191, 259, 22), 3);  // save and close buttons
    QPainter p(&img);
    vents(p, QRect(340, 192, 234, 22), 12, true);
    return img;
}

// ---- Mouse pointer --------------------------------------------------------------------------

constexpr int kCursor = 32;
constexpr int kHotX = 1, kHotY = 1;

QImage pointer() {
    QImage img(kCursor, kCursor, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPolygonF arrow({{1.5, 1.5},
                           {1.5, 20.5},
                           {6.0, 16.0},
                           {9.5, 24.0},
                           {13.0, 22.5},
                           {9.6, 14.8},
                           {15.8, 14.8}});
    QLinearGradient fill(0, 0, 12, 22);
    fill.setColorAt(0, QColor(170, 255, 190));
    fill.setColorAt(0.35, kPhosphor);
    fill.setColorAt(1, QColor(16, 150, 52));
    p.setBrush(fill);
    p.setPen(QPen(QColor(4, 16, 8), 1.4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPolygon(arrow);
    return img;
}

void le16(QByteArray& d, quint16 v) {
    d.append(char(v & 0xFF));
    d.append(char(v >> 8));
}
void le32(QByteArray& d, quint32 v) {
    le16(d, quint16(v & 0xFFFF));
    le16(d, quint16(v >> 16));
}

// A one-image .cur: directory, entry, then a 32-bit DIB with its AND mask (rows bottom-up).
QByteArray cursorFile(const QImage& img) {
    const int n = kCursor, maskBytes = n * n / 8;
    QByteArray dib;
    le32(dib, 40);
    le32(dib, quint32(n));
    le32(dib, quint32(2 * n)); // colour and mask stacked
    le16(dib, 1);
    le16(dib, 32);
    le32(dib, 0); // uncompressed
    le32(dib, quint32(n * n * 4 + maskBytes));
    for (int i = 0; i < 4; ++i)
        le32(dib, 0);
    for (int y = n - 1; y >= 0; --y)
        for (int x = 0; x < n; ++x) {
            const QRgb c = img.pixel(x, y);
            dib.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c)));
            dib.append(char(qAlpha(c)));
        }
    for (int y = n - 1; y >= 0; --y)
        for (int byte = 0; byte < n / 8; ++byte) {
            quint8 bits = 0;
            for (int bit = 0; bit < 8; ++bit)
                if (qAlpha(img.pixel(byte * 8 + bit, y)) == 0)
                    bits |= quint8(0x80 >> bit);
            dib.append(char(bits));
        }
    QByteArray out;
    le16(out, 0);
    le16(out, 2); // cursor
    le16(out, 1);
    out.append(char(n)).append(char(n)).append(char(0)).append(char(0));
    le16(out, kHotX);
    le16(out, kHotY);
    le32(out, quint32(dib.size()));
    le32(out, 22);
    return out + dib;
}

// ---- Output ---------------------------------------------------------------------------------

bool save(const QDir& dir, const QString& name, const QImage& img) {
    const bool jpeg = name.endsWith(QLatin1String(".jpg"));
    const QImage out = jpeg ? img.convertToFormat(QImage::Format_RGB888)
                            : img.convertToFormat(QImage::Format_ARGB32);
    if (out.save(dir.filePath(name), jpeg ? "JPG" : "PNG", jpeg ? 90 : -1))
        return true;
    std::fprintf(stderr, "zantrel_artwork: cannot write %s\n", qPrintable(dir.filePath(name)));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    // Text needs a GUI application, and there may be no display: draw off screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: zantrel_artwork <output-folder>\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "zantrel_artwork: cannot create %s\n", argv[1]);
        return 1;
    }
    for (const QFont& f : {mono(12), sans(12, false)})
        if (QFontInfo(f).family() != f.family())
            std::fprintf(stderr, "zantrel_artwork: warning: %s missing, drawing with %s\n",
                         qPrintable(f.family()), qPrintable(QFontInfo(f).family()));

    bool ok = true;
    for (const Button& b : kButtons)
        for (Face f : b.faces)
            ok &= save(dir, fileName(b, f), button(b, f));
    ok &= save(dir, QStringLiteral("changes_steady.png"), lamp(false));
    ok &= save(dir, QStringLiteral("changes_blink.png"), lamp(true));
    ok &= save(dir, QStringLiteral("loading.jpg"), loading());
    ok &= save(dir, QStringLiteral("editor_top.jpg"), editorTop());
    ok &= save(dir, QStringLiteral("editor_bottom.jpg"), editorBottom());
    ok &= save(dir, QStringLiteral("about.jpg"), about());
    ok &= save(dir, QStringLiteral("tree_background.jpg"), treeBackground());
    ok &= save(dir, QStringLiteral("settings_background.jpg"), settingsBackground());

    QFile cur(dir.filePath(QStringLiteral("cursor.cur")));
    const QByteArray bytes = cursorFile(pointer());
    if (!cur.open(QIODevice::WriteOnly) || cur.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "zantrel_artwork: cannot write %s\n", qPrintable(cur.fileName()));
        ok = false;
    }
    return ok ? 0 : 1;
}
