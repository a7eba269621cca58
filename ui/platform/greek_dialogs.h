#pragma once

#include <QString>

class QFileDialog;
class QInputDialog;
class QMessageBox;
class QWidget;

namespace orven {

// Qt ships no Greek for its own dialogs: these give every dialog the program opens its buttons
// and labels in Greek ("OK", "Άκυρο", "Αποθήκευση", "Άνοιγμα", "Ναι", "Όχι"; "Αναζήτηση σε:",
// "Όνομα αρχείου:", "Αρχεία τύπου:").
void speakGreek(QMessageBox& box);
void speakGreek(QInputDialog& dialog);
// The file dialog must be Qt's own (not the system's), or its labels cannot be set.
void speakGreek(QFileDialog& dialog);

// Asks where to save a file, in Qt's own file dialog with Greek labels; asks before replacing
// a file that exists. Returns the chosen path, or an empty text when cancelled.
QString askSaveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath,
                        const QString& filter);

// The window that a message or prompt belongs to: the window that named itself its owner,
// otherwise the active window, otherwise the program's main window.
QWidget* dialogParent();

}  // namespace orven
