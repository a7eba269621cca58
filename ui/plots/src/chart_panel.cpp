#include "orven/ui/plots/chart_panel.h"

#include <QChartView>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "orven/input_rules.h"
#include "orven/platform.h"
#include "orven/ui/dialog_owner.h"
#include "orven/ui/named_control.h"
#include "orven/ui/plots/chart_export.h"

namespace orven::ui {

namespace {

// A name the file system takes: no separators or characters that some systems refuse.
QString fileNameOf(QString stem) {
    static const QString kRefused = QStringLiteral("/\\:*?\"<>|");
    for (const QChar c : kRefused) stem.remove(c);
    return stem.trimmed();
}

}  // namespace

ChartPanel::ChartPanel(QChart* chart, const Names& names, QString fileStem, Platform& platform,
                       QWidget* parent)
    : QWidget(parent), fileStem_(std::move(fileStem)), platform_(platform) {
    view_ = namedControl<QChartView>(names.view, chart, this);
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setMinimumSize(520, 300);
    auto* save = namedControl<QPushButton>(names.save, QStringLiteral("Αποθήκευση…"), this);
    auto* copy = namedControl<QPushButton>(names.copy, QStringLiteral("Αντιγραφή"), this);
    save->setToolTip(QStringLiteral("Αποθήκευση του διαγράμματος ως εικόνα PNG ή SVG"));
    copy->setToolTip(QStringLiteral("Αντιγραφή του διαγράμματος στο πρόχειρο"));
    connect(save, &QPushButton::clicked, this, &ChartPanel::save);
    connect(copy, &QPushButton::clicked, this, &ChartPanel::copy);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(copy);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_, 1);
    layout->addLayout(buttons);
}

QChart& ChartPanel::chart() const {
    return *view_->chart();
}

void ChartPanel::save() {
    const DialogOwner owner(*window());
    QString path = platform_.askSaveFile(
        QStringLiteral("Αποθήκευση διαγράμματος"),
        platform_.resultsFolder() + u'/' + fileNameOf(fileStem_) + QStringLiteral(".png"),
        QStringLiteral("Εικόνα PNG (*.png);;Εικόνα SVG (*.svg)"));
    if (path.isEmpty()) return;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QStringLiteral("png") && suffix != QStringLiteral("svg"))
        path += QStringLiteral(".png");
    const ChartWriteOutcome outcome = writeChart(chart(), path);
    if (!outcome.ok) {
        platform_.showMessage(
            QStringLiteral("Δεν ήταν δυνατή η αποθήκευση του διαγράμματος στο αρχείο\n") + path +
                u'\n' + outcome.reason,
            MessageIcon::Warning, errorTitle());
    }
}

void ChartPanel::copy() {
    copyChart(chart());
}

}  // namespace orven::ui
