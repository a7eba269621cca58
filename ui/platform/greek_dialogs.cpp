#include "greek_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include "orven/ui/dialog_owner.h"

namespace orven {

namespace {

void setButtonText(QMessageBox& box, QMessageBox::StandardButton which, const QString& text) {
    if (QAbstractButton* button = box.button(which)) button->setText(text);
}

}  // namespace

void speakGreek(QMessageBox& box) {
    setButtonText(box, QMessageBox::Ok, QStringLiteral("OK"));
    setButtonText(box, QMessageBox::Cancel, QStringLiteral("Άκυρο"));
    setButtonText(box, QMessageBox::Yes, QStringLiteral("Ναι"));
    setButtonText(box, QMessageBox::No, QStringLiteral("Όχι"));
}

void speakGreek(QInputDialog& dialog) {
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Άκυρο"));
}

void speakGreek(QFileDialog& dialog) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Αναζήτηση σε:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Όνομα αρχείου:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Αρχεία τύπου:"));
    dialog.setLabelText(QFileDialog::Accept, dialog.acceptMode() == QFileDialog::AcceptSave
                                                 ? QStringLiteral("Αποθήκευση")
                                                 : QStringLiteral("Άνοιγμα"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Άκυρο"));
}

QString askSaveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath,
                        const QString& filter) {
    QFileDialog dialog(parent, caption, suggestedPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The dialog's own question about replacing a file would be in English: ask it here.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    speakGreek(dialog);
    while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        const QString path = dialog.selectedFiles().constFirst();
        if (!QFileInfo::exists(path)) return path;
        QMessageBox box(QMessageBox::Warning, caption,
                        QStringLiteral("Το αρχείο ") + QFileInfo(path).fileName() +
                            QStringLiteral(" υπάρχει ήδη. Να αντικατασταθεί;"),
                        QMessageBox::Yes | QMessageBox::No, &dialog);
        box.setDefaultButton(QMessageBox::No);
        speakGreek(box);
        if (box.exec() == QMessageBox::Yes) return path;
    }
    return {};
}

QWidget* dialogParent() {
    if (QWidget* owner = ui::DialogOwner::current()) return owner;
    if (QWidget* active = QApplication::activeWindow()) return active;
    QWidget* anyShown = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible()) continue;
        if (window->parentWidget() == nullptr) return window;
        if (anyShown == nullptr) anyShown = window;
    }
    return anyShown;
}

}  // namespace orven
