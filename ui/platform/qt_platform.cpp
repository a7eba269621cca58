#include "qt_platform.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QWidget>
#include <random>

#include "orven/clock.h"
#include "orven/input_rules.h"
#include "orven/results_file.h"

namespace orven {

namespace {

QWidget* activeParent() {
    return QApplication::activeWindow();
}

}  // namespace

QtPlatform::QtPlatform() : random_(std::random_device{}() ^ clockNanoseconds()) {}

void QtPlatform::showMessage(const QString& text, MessageIcon icon, const QString& title) {
    QMessageBox box(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                    title.isEmpty() ? QApplication::applicationName() : title,
                    QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                    QMessageBox::Ok, activeParent());
    box.exec();
}

QString QtPlatform::askText(const QString& text, const QString& title,
                            const QString& defaultAnswer) {
    bool accepted = false;
    const QString answer = QInputDialog::getText(
        activeParent(), title.isEmpty() ? QApplication::applicationName() : title, text,
        QLineEdit::Normal, defaultAnswer, &accepted);
    return accepted ? answer : QString();
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
        const QString file = QFileDialog::getSaveFileName(
            widget, QStringLiteral("Εκτύπωση σε αρχείο PDF"),
            resultsFolder() + QStringLiteral("/") + widget->windowTitle() + QStringLiteral(".pdf"),
            QStringLiteral("PDF (*.pdf)"));
        if (file.isEmpty()) return;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        showMessage(QStringLiteral("Η εκτύπωση δεν ήταν δυνατή."), MessageIcon::Warning,
                    errorTitle());
        return;
    }
    // Render the widget itself rather than a pixmap, so that text stays text in a PDF.
    const QRect page = painter.viewport();
    const double scale = std::min(static_cast<double>(page.width()) / widget->width(),
                                  static_cast<double>(page.height()) / widget->height());
    painter.scale(scale, scale);
    widget->render(&painter);
    painter.end();
}

}  // namespace orven
