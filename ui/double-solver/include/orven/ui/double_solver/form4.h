#pragma once

#include <QStringList>
#include <QWidget>
#include <vector>

namespace orven::ui {
class ListRow;
}

namespace orven::double_solver {

// The rate table window ("Ρυθμοί εισόδου"): the row numbers and one column of rates per class
// of the reduced network, under the heading line Label1. It holds no data of its own: a new
// window starts empty and is filled once. "close" only minimizes it. Its width is fixed; longer
// entries scroll sideways.
class Form4 final : public QWidget {
    Q_OBJECT
  public:
    explicit Form4(QWidget* parent = nullptr);

    // Fills List1(0..4): the states, then each class's rates.
    void fill(const std::vector<QStringList>& lists);

  private:
    ui::ListRow* List1_;
};

}  // namespace orven::double_solver
