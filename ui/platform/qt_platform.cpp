#include "qt_platform.h"

#include <QApplication>
#include <QDir>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QWidget>
#include <random>

#include "greek_dialogs.h"
#include "orven/clock.h"
#include "orven/input_rules.h"
#include "orven/results_file.h"
#include "window_print.h"

namespace orven {

QtPlatform::QtPlatform() : random_(std::random_device{}() ^ clockNanoseconds()) {}

void QtPlatform::showMessage(const QString& text, MessageIcon icon, const QString& title) {
    QMessageBox box(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                    title.isEmpty() ? QApplication::applicationName() : title,
                    QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                    QMessageBox::Ok, dialogParent());
    speakGreek(box);
    box.exec();
}

QString QtPlatform::askText(const QString& text, const QString& title,
                            const QString& defaultAnswer) {
    QInputDialog dialog(dialogParent());
    dialog.setWindowTitle(title.isEmpty() ? QApplication::applicationName() : title);
    dialog.setLabelText(text);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(defaultAnswer);
    speakGreek(dialog);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

void QtPlatform::reseedRandom() {
    random_.reseed(clockNanoseconds());
}

float QtPlatform::uniformRandom() {
    return random_.uniform();
}

QDateTime QtPlatform::currentDateTime() {
    return QDateTime::currentDateTime();
}

std::int64_t QtPlatform::wallClockMilliseconds() {
    return steadyMilliseconds();
}

void QtPlatform::processEvents() {
    QApplication::processEvents();
}

QString QtPlatform::resultsFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QDir().mkpath(folder);
    return folder;
}

AppendOutcome QtPlatform::appendFile(const QString& path, const QByteArray& bytes) {
    return appendToFile(path, bytes);
}

void QtPlatform::printWindow(QObject& window) {
    auto* widget = qobject_cast<QWidget*>(&window);
    if (widget == nullptr) return;
    QPrinter printer(QPrinter::HighResolution);
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        // No printer on this machine: print into a PDF file that the user names.
        const QString file = askSaveFileName(
            widget, QStringLiteral("Εκτύπωση σε αρχείο PDF"),
            resultsFolder() + QStringLiteral("/") + widget->windowTitle() + QStringLiteral(".pdf"),
            QStringLiteral("PDF (*.pdf)"));
        if (file.isEmpty()) return;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
    }
    if (!printWidget(*widget, printer)) {
        showMessage(QStringLiteral("Η εκτύπωση δεν ήταν δυνατή."), MessageIcon::Warning,
                    errorTitle());
    }
}

QString QtPlatform::askSaveFile(const QString& caption, const QString& suggestedPath,
                                const QString& filter) {
    return askSaveFileName(dialogParent(), caption, suggestedPath, filter);
}

}  // namespace orven
