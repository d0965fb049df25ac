// Figures for the windows on a large register, driven as a user drives them (offscreen): the
// start, "Find" showing the sorted list, sorting by a column, filtering, opening a person for
// editing and confirming it, adding a relative, deleting a person and adding one, and the Family
// window: opening it and centring it on a relative by keyboard. Each step's
// figure is the median of several runs, from the user's action until the window has answered and
// repainted. The start runs in a fresh process and is compared with a bare parse in a fresh
// process; the steps with a bare parse in the measuring process once everything is done.

#include "family/ui/family_picture.h"
#include "shell/ui/main_window.h"
#include "widgets/messages.h"
#include "support/fixed_clock.h"
#include "support/register_generator.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <vector>

namespace {

using namespace orvanel;

constexpr int kPersons = 100000;
constexpr int kRuns = 5;

class PrintedMessages final : public Messages {
public:
    void error(const QString& text) override
    {
        std::fprintf(stderr, "error: %s\n", qPrintable(text));
        ++failures;
    }
    void warning(const QString& text) override { error(text); }
    void information(const QString& text) override
    {
        std::fprintf(stderr, "information: %s\n", qPrintable(text));
    }
    // Nothing measured here is saved.
    bool question(const QString&, const QString&) override { return false; }

    int failures = 0;
};

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "failed: %s\n", what);
    std::exit(1);
}

template <class Control>
Control* Child(const QWidget& window, const char* name)
{
    auto* control = window.findChild<Control*>(QLatin1String(name));
    if (!control)
        Fail(name);
    return control;
}

// Lets everything the last action caused happen, repainting included.
void Settle()
{
    QApplication::processEvents();
    QApplication::processEvents();
}

// Starts `trigger`, which shows a modal dialog, and runs `act` on that dialog from within its
// modal loop; `act` must close it. Returns once `trigger` has returned.
void WithModal(const std::function<void()>& trigger, const std::function<void(QDialog&)>& act)
{
    QWidget* before = QApplication::activeModalWidget();
    bool answered = false;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (answered || !dialog || dialog == before || !dialog->isVisible())
            return;
        answered = true;
        poll.stop();
        act(*dialog);
    });
    poll.start();
    trigger();
    poll.stop();
    if (!answered) {
        std::fprintf(stderr, "after %s\n", qPrintable(QApplication::activeModalWidget()
                                                           ? QApplication::activeModalWidget()->objectName()
                                                           : QStringLiteral("no modal")));
        Fail("no modal dialog was shown");
    }
}

// Wall time, and the processor time of this thread, which a busy machine disturbs less.
class Stopwatch {
public:
    void start()
    {
        wall_.start();
        cpu_ = cpuNow();
    }
    double wallMs() const { return wall_.nsecsElapsed() / 1e6; }
    double cpuMs() const { return (cpuNow() - cpu_) / 1e6; }

private:
    static double cpuNow()
    {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return now.tv_sec * 1e9 + now.tv_nsec;
    }

    QElapsedTimer wall_;
    double cpu_ = 0;
};

struct Figure {
    const char* what;
    std::vector<double> ms;
    std::vector<double> cpuMs;
    int rows = -1;
};

std::vector<Figure> figures;

Figure& FigureFor(const char* what)
{
    for (Figure& figure : figures) {
        if (qstrcmp(figure.what, what) == 0)
            return figure;
    }
    figures.push_back({what, {}, {}, -1});
    return figures.back();
}

void Record(const char* what, const Stopwatch& timer, int rows = -1)
{
    Figure& figure = FigureFor(what);
    figure.ms.push_back(timer.wallMs());
    figure.cpuMs.push_back(timer.cpuMs());
    figure.rows = rows;
}

void PrintFigures()
{
    for (Figure& figure : figures) {
        std::sort(figure.ms.begin(), figure.ms.end());
        std::sort(figure.cpuMs.begin(), figure.cpuMs.end());
        std::printf("%-40s %7.1f ms  cpu %7.1f ms  (wall max %7.1f, %2zu runs)", figure.what,
                    figure.ms[figure.ms.size() / 2], figure.cpuMs[figure.cpuMs.size() / 2],
                    figure.ms.back(), figure.ms.size());
        if (figure.rows >= 0)
            std::printf("  %6d rows", figure.rows);
        std::printf("\n");
    }
}

int RowCount(QDialog& search)
{
    return Child<QTreeView>(search, "lv_All")->model()->rowCount();
}

void SelectRow(QDialog& search, int row)
{
    QTreeView* list = Child<QTreeView>(search, "lv_All");
    list->setCurrentIndex(list->model()->index(row, 0));
    Settle();
}

void ClickColumns(QDialog& search)
{
    QHeaderView* titles = Child<QTreeView>(search, "lv_All")->header();
    SelectRow(search, RowCount(search) / 3);
    const struct {
        const char* what;
        int column;
    } clicks[] = {{"sort by Name", 1},          {"sort by Surname", 3},
                  {"sort by Surname, descending", 3}, {"sort by Date Of Birth", 5},
                  {"sort by ID", 0},            {"sort by ID, descending", 0}};
    for (const auto& click : clicks) {
        Stopwatch timer;
        timer.start();
        emit titles->sectionClicked(click.column);
        Settle();
        Record(click.what, timer, RowCount(search));
    }
}

void Filter(QDialog& search, const char* what, const std::function<void(QDialog&)>& set)
{
    Stopwatch timer;
    WithModal([&] { Child<QPushButton>(search, "btn_Filter")->click(); },
              [&](QDialog& filter) {
                  Child<QPushButton>(filter, "btn_Clear")->click();
                  // The text tests only: the date fields keep their whole dates.
                  for (const char* name : {"ed_id", "ed_name", "ed_mname", "ed_surname", "ed_contact"})
                      Child<QLineEdit>(filter, name)->clear();
                  set(filter);
                  timer.start();
                  Child<QPushButton>(filter, "btn_OK")->click();
              });
    Settle();
    Record(what, timer, RowCount(search));
}

void Filters(QDialog& search)
{
    Filter(search, "filter: every test off", [](QDialog&) {});
    Filter(search, "filter: surname contains \"smi\"", [](QDialog& filter) {
        Child<QLineEdit>(filter, "ed_surname")->setText(QStringLiteral("smi"));
    });
    Filter(search, "filter: contact contains \"@ex\"", [](QDialog& filter) {
        Child<QLineEdit>(filter, "ed_contact")->setText(QStringLiteral("@ex"));
    });
    Filter(search, "filter: contact, no match", [](QDialog& filter) {
        Child<QLineEdit>(filter, "ed_contact")->setText(QStringLiteral("nowhere"));
    });
    // Everyone listed again for what follows.
    Filter(search, "filter: every test off", [](QDialog&) {});
}

// Opens the selected person and confirms the dialog, first unchanged, then with one relative
// added through the relationship dialog.
void EditPerson(QDialog& search, bool addRelative)
{
    SelectRow(search, RowCount(search) / 2);
    Stopwatch timer;
    timer.start();
    WithModal([&] { Child<QPushButton>(search, "btn_Edit")->click(); },
              [&](QDialog& person) {
                  Settle();
                  Record("open a person for editing", timer);
                  if (addRelative) {
                      Child<QTabWidget>(person, "pgc_Persona")->setCurrentIndex(2);
                      Stopwatch preparing;
                      preparing.start();
                      WithModal(
                          [&] { Child<QPushButton>(person, "btn_NewRelationship")->click(); },
                          [&](QDialog& relationship) {
                              Settle();
                              QTreeView* persons = Child<QTreeView>(relationship, "lv_Person2");
                              Record("relationship dialog for Add", preparing,
                                     persons->model()->rowCount());
                              Child<QComboBox>(relationship, "cb_Kind1")->setCurrentIndex(2);
                              persons->setCurrentIndex(persons->model()->index(7, 0));
                              Child<QPushButton>(relationship, "btn_Ok")->click();
                          });
                  }
                  timer.start();
                  Child<QPushButton>(person, "btn_Ok")->click();
              });
    Settle();
    Record(addRelative ? "confirm a person, one relative added" : "confirm a person, unchanged",
           timer);
}

void DeletePerson(QDialog& search)
{
    SelectRow(search, RowCount(search) / 4);
    Stopwatch timer;
    WithModal([&] { Child<QPushButton>(search, "btn_Delete")->click(); },
              [&](QDialog& confirm) {
                  timer.start();
                  Child<QPushButton>(confirm, "btn_Yes")->click();
              });
    Settle();
    Record("delete a person", timer, RowCount(search));
}

void AddPerson(QDialog& search)
{
    Stopwatch timer;
    WithModal([&] { Child<QPushButton>(search, "btn_Add")->click(); },
              [&](QDialog& person) {
                  Child<QLineEdit>(person, "ed_name")->setText(QStringLiteral("Ieva"));
                  Child<QLineEdit>(person, "ed_surname")->setText(QStringLiteral("Egle"));
                  timer.start();
                  Child<QPushButton>(person, "btn_Ok")->click();
              });
    Settle();
    Record("add a person, list rebuilt", timer, RowCount(search));
}

void SendKey(QWidget& to, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(&to, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(&to, &release);
}

// "Family..." on a person in the middle of the list, then the picture centred on a relative
// reached with the arrow keys and Enter, as a user walks it.
void FamilyWindow(QDialog& search)
{
    SelectRow(search, RowCount(search) / 2 + 11);
    Stopwatch timer;
    timer.start();
    WithModal([&] { Child<QPushButton>(search, "btn_Family")->click(); },
              [&](QDialog& family) {
                  Settle();
                  Record("Family: window shown", timer);
                  auto* picture = Child<FamilyPicture>(family, "pic_Family");
                  for (const int key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Right, Qt::Key_Left}) {
                      SendKey(*picture, key);
                      // A key that leads nowhere leaves nothing to centre on.
                      if (picture->focusBox() == picture->family().chosen)
                          continue;
                      timer.start();
                      SendKey(*picture, Qt::Key_Return);
                      Settle();
                      Record("Family: centre on a relative", timer);
                  }
                  Child<QPushButton>(family, "btn_Close")->click();
              });
    Settle();
}

// libxml2's bare parse of the file, `runs` times in this process: the first as a process's first
// parse is, the later ones in memory the earlier ones already had. Returns every time.
std::vector<double> BareParses(const QString& file, int runs)
{
    const QByteArray path = QFile::encodeName(file);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        Stopwatch parsing;
        parsing.start();
        xmlFreeDoc(xmlReadFile(path.constData(), nullptr, 0));
        times.push_back(parsing.wallMs());
    }
    return times;
}

double Median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The windows on the register of `folder`, in a process that has done nothing before, so that
// its start is a program's start. `coldParse` and `coldPeak` are a bare parse's in a process of
// its own.
int MeasureWindows(const QString& folder, double coldParse, double coldPeak)
{
    PrintedMessages messages;
    const FixedClock clock(QDate(2026, 12, 6));

    Stopwatch starting;
    starting.start();
    TForm1 form(folder, messages, clock);
    form.show();
    Settle();
    const double start = starting.wallMs();
    const double startPeak = bench::peakMemoryMiB();
    std::printf("bare parse, first in a process of its own %7.1f ms  peak %6.0f MiB\n", coldParse,
                coldPeak);
    std::printf("start (load and create every window)      %7.1f ms  (%.2fx)  cpu %7.1f ms  "
                "peak %6.0f MiB (%.2fx)\n",
                start, start / coldParse, starting.cpuMs(), startPeak, startPeak / coldPeak);
    if (form.reg().loadFailed())
        Fail("loading");
    std::printf("register: %d persons, %d relationships\n", form.reg().personCounter(),
                form.reg().relCounter());

    QPushButton* find = Child<QPushButton>(form, "btn_Find");
    for (int run = 0; run < kRuns; ++run) {
        Stopwatch timer;
        timer.start();
        WithModal([&] { find->click(); },
                  [&](QDialog& search) {
                      Settle();
                      Record("Find: the full sorted list shown", timer, RowCount(search));
                      ClickColumns(search);
                      Filters(search);
                      EditPerson(search, false);
                      EditPerson(search, true);
                      DeletePerson(search);
                      AddPerson(search);
                      FamilyWindow(search);
                      Child<QPushButton>(search, "btn_Close")->click();
                  });
    }
    const double peak = bench::peakMemoryMiB();
    // The baseline of the steps: a bare parse in this process, after all the above, median of
    // three; the stricter one, as it runs in memory already handed out.
    const double warmParse =
        Median(BareParses(folder + QLatin1Char('/') + QString::fromLatin1(kDataFileName), 3));
    std::printf("bare parse in this process, median of 3   %7.1f ms  (0.1x is %.1f ms)\n",
                warmParse, warmParse / 10);
    PrintFigures();
    std::printf("peak memory before the bare parses: %.0f MiB (%.2fx)\n", peak, peak / coldPeak);
    return messages.failures == 0 ? 0 : 1;
}

}  // namespace

// Writes the register, then measures a bare parse and the windows, each in a process of its own.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 2 && args[0] == QLatin1String("--bare")) {
        const double parse = BareParses(args[1], 1).front();
        std::printf("%.3f %.1f\n", parse, bench::peakMemoryMiB());
        return 0;
    }
    if (args.size() == 4 && args[0] == QLatin1String("--windows"))
        return MeasureWindows(args[1], args[2].toDouble(), args[3].toDouble());

    QTemporaryDir folder;
    const QString file = folder.filePath(QString::fromLatin1(kDataFileName));
    {
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(bench::generateRegister(kPersons, 1.5)) < 0)
            Fail("writing the register");
    }
    QProcess bare;
    bare.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--bare"), file});
    bare.waitForFinished(-1);
    const QList<QByteArray> figures = bare.readAllStandardOutput().simplified().split(' ');
    if (bare.exitCode() != 0 || figures.size() != 2)
        Fail("the bare parse");
    QProcess windows;
    windows.setProcessChannelMode(QProcess::ForwardedChannels);
    windows.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("--windows"), folder.path(), QString::fromLatin1(figures[0]),
                   QString::fromLatin1(figures[1])});
    windows.waitForFinished(-1);
    return windows.exitCode();
}
