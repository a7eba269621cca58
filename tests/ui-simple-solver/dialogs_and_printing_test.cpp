#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <set>

#include "greek_dialogs.h"
#include "orven/ui/plots/plots_window.h"
#include "orven/ui/simple_solver/form1.h"
#include "program.h"
#include "qt_platform.h"
#include "window_driver.h"
#include "window_print.h"

using orven::testing::click;
using orven::testing::control;
using orven::testing::Program;

namespace {

// What a user sees of a modal dialog: the window it opened over, its labels and its buttons.
struct SeenDialog {
    QWidget* parent;
    QStringList labels;
    QStringList buttons;
};

SeenDialog look(QWidget& dialog) {
    SeenDialog seen{dialog.parentWidget() ? dialog.parentWidget()->window() : nullptr, {}, {}};
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->isVisible()) seen.labels.append(label->text());
    }
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        if (button->isVisible() && !button->text().isEmpty()) seen.buttons.append(button->text());
    }
    return seen;
}

// Answers the modal dialogs as they open, each once, in the order they come.
class DialogAnswerer final : public QObject {
  public:
    explicit DialogAnswerer(std::function<void(QWidget&)> answer) : answer_(std::move(answer)) {
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (dialog == nullptr || answered_.count(dialog) > 0) return;
            answered_.insert(dialog);
            answer_(*dialog);
        });
        timer->start(10);
    }

  private:
    std::function<void(QWidget&)> answer_;
    std::set<QWidget*> answered_;
};

}  // namespace

class DialogsAndPrintingTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void messagesAndPromptsOpenOverTheirWindowInGreek();
    void theFileDialogSpeaksGreekAndAsksBeforeReplacing();
    void aPrintedSummaryKeepsItsTextsAsText();
    void printedPlotsKeepTheirTextsAsText();

  private:
    QTemporaryDir home_;
};

void DialogsAndPrintingTest::initTestCase() {
    // The results folder of the real platform is the documents folder: keep it in here.
    qputenv("HOME", home_.path().toLocal8Bit());
    qunsetenv("XDG_CONFIG_HOME");
}

void DialogsAndPrintingTest::messagesAndPromptsOpenOverTheirWindowInGreek() {
    orven::QtPlatform platform;
    orven::simple_solver::Form1 form(platform);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    // The summary window is the active one when "start" is pressed in the main window.
    click(form, QStringLiteral("Command4"));
    QApplication::setActiveWindow(form.summaryWindow());

    std::vector<SeenDialog> seen;
    DialogAnswerer answerer([&](QWidget& dialog) {
        seen.push_back(look(dialog));
        if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
            box->button(QMessageBox::Ok)->click();
        } else {
            static_cast<QDialog&>(dialog).reject();  // the prompt, cancelled
        }
    });
    click(form, QStringLiteral("Command2"));

    QCOMPARE(seen.size(), 2u);
    QCOMPARE(seen[0].parent, &form);
    QCOMPARE(seen[0].buttons, QStringList{QStringLiteral("OK")});
    QCOMPARE(seen[1].parent, &form);
    QVERIFY(seen[1].labels.contains(QStringLiteral("Δώσε αρχείο για αποθήκευση πληροφοριών")));
    QCOMPARE(std::set<QString>(seen[1].buttons.begin(), seen[1].buttons.end()),
             (std::set<QString>{QStringLiteral("OK"), QStringLiteral("Άκυρο")}));
    // Cancel wrote the results under the name the prompt proposed.
    QVERIFY(QFile::exists(platform.resultsFolder() + QStringLiteral("/ORVEN SIMPLE .txt")));
}

void DialogsAndPrintingTest::theFileDialogSpeaksGreekAndAsksBeforeReplacing() {
    QTemporaryDir folder;
    const QString existing = folder.filePath(QStringLiteral("Συγκεντρωτικά.pdf"));
    QFile file(existing);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    std::vector<SeenDialog> seen;
    DialogAnswerer answerer([&](QWidget& dialog) {
        seen.push_back(look(dialog));
        if (auto* files = qobject_cast<QFileDialog*>(&dialog)) {
            static_cast<QDialog*>(files)->accept();  // the proposed name, which exists
        } else if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
            box->button(QMessageBox::Yes)->click();
        }
    });
    const QString chosen = orven::askSaveFileName(nullptr, QStringLiteral("Εκτύπωση σε αρχείο PDF"),
                                                  existing, QStringLiteral("PDF (*.pdf)"));

    QCOMPARE(chosen, existing);
    QCOMPARE(seen.size(), 2u);
    for (const char* label : {"Αναζήτηση σε:", "Όνομα αρχείου:", "Αρχεία τύπου:"}) {
        QVERIFY2(seen[0].labels.contains(QString::fromUtf8(label)), label);
    }
    QVERIFY(seen[0].buttons.contains(QStringLiteral("Αποθήκευση")));
    QVERIFY(seen[0].buttons.contains(QStringLiteral("Άκυρο")));
    QCOMPARE(std::set<QString>(seen[1].buttons.begin(), seen[1].buttons.end()),
             (std::set<QString>{QStringLiteral("Ναι"), QStringLiteral("Όχι")}));
}

namespace {

// A window printed into a PDF file, and the text that the file holds; empty when either fails.
QString printedText(QWidget& window, qint64 largestFile) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        qFatal("pdftotext (poppler-utils, see scripts/install-deps) is missing");
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("window.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    if (!orven::printWidget(window, printer) || QFileInfo(pdf).size() >= largestFile) return {};
    QProcess extract;
    extract.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!extract.waitForFinished(30000)) return {};
    return QString::fromUtf8(extract.readAllStandardOutput());
}

}  // namespace

void DialogsAndPrintingTest::aPrintedSummaryKeepsItsTextsAsText() {
    Program program;
    program.start();
    auto& summary = program.openSummaryWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&summary));

    const QString text = printedText(summary, 200 * 1024);
    for (const QString& expected :
         {QStringLiteral("Πείραμα"), QStringLiteral("a/a"), QStringLiteral("μ3"),
          control<QListWidget>(summary, QStringLiteral("List1_8"))->item(0)->text()}) {
        QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" in ") + text));
    }
}

void DialogsAndPrintingTest::printedPlotsKeepTheirTextsAsText() {
    Program program;
    program.start();
    click(program.form, QStringLiteral("Command5"));
    QWidget& plots = program.form.plotsWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&plots));

    const QString text = printedText(plots, 400 * 1024);
    for (const QString& expected :
         {QStringLiteral("Κατανομή: τάξη 1"), QStringLiteral("Πιθανότητα P(n)"),
          QStringLiteral("Σύγκλιση της επανάληψης"), QStringLiteral("Επανάληψη k")}) {
        QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" in ") + text));
    }
}

QTEST_MAIN(DialogsAndPrintingTest)
#include "dialogs_and_printing_test.moc"
