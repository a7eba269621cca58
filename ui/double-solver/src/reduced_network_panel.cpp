#include "reduced_network_panel.h"

#include <QLineEdit>
#include <cmath>

#include "network_pictures.h"
#include "orven/ui/named_control.h"

namespace orven::double_solver {

namespace {
constexpr int kGap = 6;
}  // namespace

ReducedNetworkPanel::ReducedNetworkPanel(std::array<QLineEdit*, 4> fields, QWidget* parent)
    : QWidget(parent),
      picture_(ui::namedControl<ReducedNetworkPicture>(QStringLiteral("Picture2"), this)),
      fields_(fields) {
    for (QLineEdit* field : fields_) field->setParent(this);
}

int ReducedNetworkPanel::fieldWidth() const {
    // Room for a population of the merged class, up to 65534.
    return fields_[0]->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12;
}

QSize ReducedNetworkPanel::sizeHint() const {
    const QSize picture = picture_->sizeHint();
    return {picture.width() + kGap + fieldWidth(), picture.height()};
}

QSize ReducedNetworkPanel::minimumSizeHint() const {
    return sizeHint();
}

void ReducedNetworkPanel::resizeEvent(QResizeEvent*) {
    const int width = fieldWidth();
    picture_->setGeometry(0, 0, this->width() - kGap - width, height());
    const int x = picture_->width() + kGap;
    for (std::size_t k = 0; k < fields_.size(); ++k) {
        QLineEdit* field = fields_[k];
        const int h = field->sizeHint().height();
        const double centre = picture_->bufferHeight(static_cast<int>(k));
        field->setGeometry(x, static_cast<int>(std::lround(centre)) - h / 2, width, h);
    }
}

}  // namespace orven::double_solver
