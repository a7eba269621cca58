#pragma once

#include <QWidget>

namespace orven::simple_solver {

// The experiment window's decorative picture: the simple network with three classes, each with
// its own station, meeting at the synchronization station.
class NetworkPicture final : public QWidget {
    Q_OBJECT
  public:
    explicit NetworkPicture(QWidget* parent = nullptr);

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace orven::simple_solver
