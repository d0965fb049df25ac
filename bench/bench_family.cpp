// Figures for the family picture's logic on a register of 100,000 persons: reading a person's
// family and laying it out, as the picture does when it opens on a person and each time it
// re-centres on another, and the same for a person with a thousand children. Each is compared
// with libxml2's bare parse of the same file in this process. Prints one line per figure, the
// median of several runs. Last, how long the window takes to draw one screenful of the picture
// of a thousand children, as each step of scrolling it draws one.

#include "family/family_layout.h"
#include "family/family_tree.h"
#include "family/family_walk.h"
#include "family/ui/family_painting.h"
#include "store/clock.h"
#include "store/load.h"
#include "store/person_id.h"
#include "support/register_generator.h"

#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <vector>

namespace {

using namespace orvanel;

constexpr int kPersons = 100000;
constexpr int kRuns = 9;
constexpr int kChildren = 1000;

double ThreadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The median wall time of the runs, and the median processor time of this thread, which a busy
// machine disturbs less.
struct Timing {
    double ms = 0;
    double cpuMs = 0;
};

Timing Median(int runs, const std::function<void()>& run)
{
    std::vector<double> wall;
    std::vector<double> cpu;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        const double cpuStart = ThreadCpuMs();
        timer.start();
        run();
        wall.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        cpu.push_back(ThreadCpuMs() - cpuStart);
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    return {wall[wall.size() / 2], cpu[cpu.size() / 2]};
}

struct Picture {
    size_t boxes = 0;
    size_t lines = 0;
};

// Everything the picture asks of the logic when it shows a person: the family, its layout, the
// keyboard walk and the summary.
Picture Show(Register& reg, const QString& id, int depth, QDate today)
{
    const Family family = ReadFamily(reg, id, depth, today);
    const FamilyLayout layout = LayoutFamily(family, FamilyMetrics{});
    const std::vector<FamilyNeighbours> walk = WalkNeighbours(layout);
    const QString summary = SummaryText(CountFamily(family));
    if (walk.size() != layout.boxes.size() || summary.isNull())
        std::fprintf(stderr, "the walk or the summary is incomplete\n");
    return {layout.boxes.size(), layout.lines.size()};
}

void Report(const char* what, Timing t, Timing parse, const Picture& picture)
{
    std::printf("%-40s %7.2f ms (%.4fx)  cpu %7.2f ms (%.4fx)  %5zu boxes %5zu lines\n", what,
                t.ms, t.ms / parse.ms, t.cpuMs, t.cpuMs / parse.cpuMs, picture.boxes,
                picture.lines);
}

}  // namespace

int main(int argc, char** argv)
{
    // Drawing needs fonts, and so a display: the offscreen one unless another is chosen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(kDataFileName));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bench::generateRegister(kPersons, 1.5)) < 0)
        return 1;
    file.close();

    const QByteArray nativePath = QFile::encodeName(path);
    xmlFreeDoc(xmlReadFile(nativePath.constData(), nullptr, 0));
    const Timing parse =
        Median(3, [&] { xmlFreeDoc(xmlReadFile(nativePath.constData(), nullptr, 0)); });
    std::printf("%d persons: bare parse %.1f ms, cpu %.1f ms; each figure also as a share of it\n",
                kPersons, parse.ms, parse.cpuMs);

    Register reg;
    reg.folder = dir.path();
    const SystemClock clock;
    if (const LoadReport report = LoadRegister(reg, clock); report.refusal) {
        std::fprintf(stderr, "%s\n", qPrintable(*report.refusal));
        return 1;
    }
    const QDate today = clock.today();
    const QString prefix = QStringLiteral("AB");

    // Opening: a person in the middle of the register; re-centring: the next ones walked to, the
    // persons around them already read once.
    for (const int depth : {2, 4}) {
        const QString opened = FormatId(prefix, kPersons / 2);
        Picture picture;
        const Timing open = Median(kRuns, [&] { picture = Show(reg, opened, depth, today); });
        Report(depth == 2 ? "open, 2 generations each way" : "open, 4 generations each way", open,
               parse, picture);
        int step = 0;
        const Timing recentre = Median(kRuns, [&] {
            picture = Show(reg, FormatId(prefix, kPersons / 2 + 1 + step++), depth, today);
        });
        Report(depth == 2 ? "re-centre, 2 generations each way"
                          : "re-centre, 4 generations each way",
               recentre, parse, picture);
    }

    // A person with a thousand children spread over the register, themselves with children.
    const QString parent = FormatId(prefix, kPersons / 3);
    for (int i = 0; i < kChildren; ++i)
        reg.appendRelationship(parent, FormatId(prefix, 1 + i * (kPersons / kChildren)),
                               QStringLiteral("parent"), QStringLiteral("child"));
    for (const int depth : {2, 4}) {
        Picture picture;
        const Timing ms = Median(kRuns, [&] { picture = Show(reg, parent, depth, today); });
        Report(depth == 2 ? "1,000 children, 2 generations each way"
                          : "1,000 children, 4 generations each way",
               ms, parse, picture);
    }
    {
        // The window draws only what a scroll step uncovers; here a whole screenful each time,
        // half a screen further along the row of children.
        const Family family = ReadFamily(reg, parent, 2, today);
        const QFont font = QGuiApplication::font();
        const FamilyLayout layout = LayoutFamily(family, MetricsForFont(font));
        const FamilyDrawing drawing{family, layout, PaperColours(), font, -1};
        QImage screen(960, 640, QImage::Format_RGB32);
        double x = 0;
        const Timing paint = Median(kRuns, [&] {
            QPainter painter(&screen);
            painter.translate(-x, 0);
            PaintFamily(painter, drawing, QRectF(x, 0, screen.width(), screen.height()));
            x += screen.width() / 2.0;
        });
        Report("1,000 children, one screenful drawn", paint, parse,
               {layout.boxes.size(), layout.lines.size()});
    }
    std::printf("peak memory %.0f MiB\n", bench::peakMemoryMiB());
    return 0;
}
