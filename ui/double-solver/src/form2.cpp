#include "orven/ui/double_solver/form2.h"

#include <QButtonGroup>
#include <QEvent>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>

#include "orven/ui/named_control.h"
#include "orven/ui/window_keys.h"
#include "paper_background.h"

namespace orven::double_solver {

namespace {

using ui::namedControl;

struct Option {
    int code;
    QString caption;
};

// From the top: the experiments that the user knows as 1, 2 and 3, each caption naming its
// rates by station (codes 0, 2 and 1).
std::array<Option, 3> optionsFromTheTop() {
    return {Option{0, QStringLiteral("μ1=1,  μ2=1,  μ3=1, μ5=1")},
            Option{2, QStringLiteral("μ1=1, μ2=1/1.1,  μ5=1/1.2,  μ3=1/1.3")},
            Option{1, QStringLiteral("μ1=1, μ2=0.5, μ5=0.25  μ3=0.125")}};
}

}  // namespace

Form2::Form2(QWidget* parent)
    : QWidget(parent, Qt::Window),
      Option1_(new QButtonGroup(this)),
      Image1_(namedControl<PaperBackground>(QStringLiteral("Image1"), this)) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Πείραμα"));

    auto* options = new QWidget(this);
    auto* column = new QVBoxLayout(options);
    column->setSpacing(10);
    for (const Option& option : optionsFromTheTop()) {
        auto* button = namedControl<QRadioButton>(QStringLiteral("Option1_%1").arg(option.code),
                                                  option.caption, options);
        Option1_->addButton(button, option.code);
        button->installEventFilter(this);
        column->addWidget(button);
    }
    Image1_->frame(options);
    Image1_->lower();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 28, 28, 28);
    layout->addWidget(options);
    ui::setWindowKeys(*this, nullptr, [this] { hide(); });
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress) return QWidget::eventFilter(watched, event);
    auto* button = qobject_cast<QAbstractButton*>(watched);
    const int code = Option1_->id(button);
    if (code < 0) return QWidget::eventFilter(watched, event);
    // Any mouse button chooses at once; the window is gone before the button comes up.
    button->setChecked(true);
    emit experimentChosen(code);
    hide();
    return true;
}

void Form2::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Image1_->setGeometry(rect());
}

}  // namespace orven::double_solver
