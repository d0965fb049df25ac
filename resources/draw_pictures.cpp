// Draws the program's pictures: the three decorative pictures of the main window, the question
// icon of the confirmation dialog and the window icon. They are painted here from shapes only, so
// the images are entirely the project's own. Run draw_pictures.sh to rebuild the PNG files.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>

namespace {

const QColor kInk(52, 74, 104);
const QColor kLeaf(94, 150, 96);
const QColor kLeafLight(150, 196, 128);
const QColor kBark(122, 88, 60);
const QColor kWarm(214, 128, 78);
const QColor kSky(206, 222, 238);
const QColor kPaper(250, 248, 240);

QImage canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void person(QPainter& p, QPointF foot, double height, const QColor& colour)
{
    const double head = height * 0.2;
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QPointF(foot.x(), foot.y() - height + head), head, head);
    QPainterPath body;
    const double shoulders = foot.y() - height + head * 2.3;
    body.moveTo(foot.x() - head * 1.4, foot.y());
    body.cubicTo(foot.x() - head * 1.5, shoulders, foot.x() - head * 0.4, shoulders,
                 foot.x(), shoulders);
    body.cubicTo(foot.x() + head * 0.4, shoulders, foot.x() + head * 1.5, shoulders,
                 foot.x() + head * 1.4, foot.y());
    body.closeSubpath();
    p.drawPath(body);
}

// A tree whose crown carries small portraits joined by branches: the family tree.
QImage familyTree()
{
    QImage image = canvas(200, 227);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QRadialGradient glow(QPointF(100, 90), 110);
    glow.setColorAt(0, kSky.lighter(110));
    glow.setColorAt(1, QColor(230, 235, 240, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(100, 95), 100, 100);

    QPainterPath trunk;
    trunk.moveTo(86, 222);
    trunk.cubicTo(94, 190, 92, 160, 96, 120);
    trunk.lineTo(104, 120);
    trunk.cubicTo(108, 160, 106, 190, 116, 222);
    trunk.closeSubpath();
    p.setBrush(kBark);
    p.drawPath(trunk);

    p.setPen(QPen(kBark, 5, Qt::SolidLine, Qt::RoundCap));
    const QPointF fork(100, 128);
    const QPointF branches[] = {{52, 92}, {148, 92}, {70, 48}, {130, 48}, {100, 24}};
    for (const QPointF& end : branches)
        p.drawLine(fork, end);

    p.setPen(Qt::NoPen);
    const QPointF leaves[] = {{40, 100}, {160, 100}, {60, 58}, {140, 58}, {100, 36},
                              {80, 90},  {120, 90},  {100, 70}};
    for (const QPointF& at : leaves) {
        p.setBrush(kLeaf);
        p.drawEllipse(at, 26, 20);
        p.setBrush(kLeafLight);
        p.drawEllipse(at + QPointF(-6, -6), 12, 8);
    }

    const QPointF faces[] = {{52, 92}, {148, 92}, {70, 48}, {130, 48}, {100, 24}};
    const QColor tones[] = {kWarm, kInk, kInk, kWarm, kBark};
    for (int i = 0; i < 5; ++i) {
        p.setBrush(kPaper);
        p.setPen(QPen(kBark.darker(130), 2));
        p.drawEllipse(faces[i], 15, 15);
        p.setClipRegion(QRegion(QRect((faces[i] - QPointF(14, 14)).toPoint(), QSize(28, 28)),
                                QRegion::Ellipse));
        person(p, faces[i] + QPointF(0, 16), 24, tones[i]);
        p.setClipping(false);
    }

    p.setPen(Qt::NoPen);
    p.setBrush(kLeaf.darker(130));
    p.drawEllipse(QPointF(100, 222), 70, 5);
    return image;
}

// A family standing together: two parents and two children.
QImage family()
{
    QImage image = canvas(200, 110);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient ground(0, 80, 0, 110);
    ground.setColorAt(0, kLeafLight);
    ground.setColorAt(1, kLeaf);
    p.setPen(Qt::NoPen);
    p.setBrush(ground);
    p.drawRoundedRect(QRectF(4, 86, 192, 20), 10, 10);

    p.setBrush(QColor(246, 214, 120));
    p.drawEllipse(QPointF(170, 24), 14, 14);

    person(p, QPointF(56, 96), 78, kInk);
    person(p, QPointF(142, 96), 74, kWarm);
    person(p, QPointF(90, 96), 46, kLeaf.darker(120));
    person(p, QPointF(112, 96), 38, kBark);
    return image;
}

// An address card with a small portrait and written lines: the register of contact data.
QImage addressCard()
{
    QImage image = canvas(200, 109);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRoundedRect(QRectF(16, 14, 176, 90), 8, 8);
    p.setBrush(kPaper);
    p.setPen(QPen(kInk, 2));
    p.drawRoundedRect(QRectF(10, 8, 176, 90), 8, 8);

    p.setPen(Qt::NoPen);
    p.setBrush(kSky);
    p.drawRoundedRect(QRectF(20, 20, 50, 62), 4, 4);
    p.save();
    p.setClipRect(QRectF(20, 20, 50, 62));
    person(p, QPointF(45, 84), 56, kInk);
    p.restore();

    p.setPen(QPen(kInk.lighter(150), 4, Qt::SolidLine, Qt::RoundCap));
    const double widths[] = {92, 70, 84, 56};
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(82, 30 + i * 16), QPointF(82 + widths[i], 30 + i * 16));

    p.setPen(QPen(kWarm, 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(164, 84), 8, 8);
    return image;
}

// A round question sign for the confirmation dialog.
QImage question(int size)
{
    QImage image = canvas(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;

    QRadialGradient fill(QPointF(s * 0.38, s * 0.32), s * 0.7);
    fill.setColorAt(0, kInk.lighter(170));
    fill.setColorAt(1, kInk);
    p.setPen(QPen(kInk.darker(130), s / 18));
    p.setBrush(fill);
    p.drawEllipse(QRectF(s * 0.05, s * 0.05, s * 0.9, s * 0.9));

    QPainterPath mark;
    mark.moveTo(s * 0.36, s * 0.38);
    mark.cubicTo(s * 0.36, s * 0.2, s * 0.66, s * 0.2, s * 0.64, s * 0.38);
    mark.cubicTo(s * 0.63, s * 0.48, s * 0.5, s * 0.48, s * 0.5, s * 0.6);
    p.setPen(QPen(Qt::white, s / 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mark);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(s * 0.5, s * 0.74), s * 0.065, s * 0.065);
    return image;
}

// The window icon: two linked circles, a relationship, on a rounded tile.
QImage windowIcon(int size)
{
    QImage image = canvas(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 235, 240));
    p.drawRoundedRect(QRectF(s * 0.04, s * 0.04, s * 0.92, s * 0.92), s * 0.18, s * 0.18);
    p.setPen(QPen(kBark, s / 14, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(s * 0.34, s * 0.42), QPointF(s * 0.66, s * 0.62));
    person(p, QPointF(s * 0.34, s * 0.66), s * 0.44, kInk);
    person(p, QPointF(s * 0.68, s * 0.86), s * 0.4, kWarm);
    return image;
}

bool write(const QImage& image, const QString& folder, const char* name)
{
    const QString path = QDir(folder).filePath(QString::fromLatin1(name));
    if (image.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    bool ok = write(familyTree(), folder, "family_tree.png");
    ok = write(family(), folder, "family.png") && ok;
    ok = write(addressCard(), folder, "address_card.png") && ok;
    ok = write(question(36), folder, "question.png") && ok;
    ok = write(windowIcon(64), folder, "orvanel.png") && ok;
    return ok ? 0 : 1;
}
