#pragma once

#include <QString>
#include <QWidget>

class QChart;
class QChartView;
class QPushButton;

namespace orven {
class Platform;
}

namespace orven::ui {

// A chart with its own two buttons beneath it: save it as PNG or SVG, where the user says, and
// copy it to the clipboard.
class ChartPanel final : public QWidget {
  public:
    struct Names {
        QString view;  // the chart view's object name ("Chart1")
        QString save;  // the buttons' ("Command1", "Command2")
        QString copy;
    };

    // The panel takes the chart over. `fileStem` is the name the save dialog suggests.
    ChartPanel(QChart* chart, const Names& names, QString fileStem, Platform& platform,
               QWidget* parent = nullptr);

    QChart& chart() const;
    QChartView& view() const { return *view_; }
    void setFileStem(const QString& stem) { fileStem_ = stem; }

  private:
    void save();
    void copy();

    QChartView* view_;
    QString fileStem_;
    Platform& platform_;
};

}  // namespace orven::ui
