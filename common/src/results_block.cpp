#include "orven/results_block.h"

#include <QStringEncoder>

#include "orven/code_page.h"
#include "orven/number_text.h"

namespace orven {

namespace {

QString withoutLeadingBlank(QString number) {
    if (number.startsWith(u' ')) number.remove(0, 1);
    return number;
}

struct ItemFormatter {
    QString operator()(const QString& text) const { return u'"' + text + u'"'; }
    QString operator()(double number) const { return withoutLeadingBlank(messageForm(number)); }
    QString operator()(Single number) const {
        return withoutLeadingBlank(messageFormSingle(number.value));
    }
    QString operator()(Fixed4 number) const { return withoutLeadingBlank(messageForm(number)); }
    QString operator()(const QDateTime& when) const {
        return u'#' + when.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")) + u'#';
    }
};

}  // namespace

QString formatItem(const ResultsItem& item) {
    return std::visit(ItemFormatter{}, item);
}

void ResultsBlock::addLine(std::vector<ResultsItem> items) {
    QStringList formatted;
    formatted.reserve(static_cast<qsizetype>(items.size()));
    for (const auto& item : items) formatted.append(formatItem(item));
    lines_.append(formatted.join(u','));
}

QString ResultsBlock::text() const {
    QString out;
    for (const auto& line : lines_) out += line + QStringLiteral("\r\n");
    return out;
}

QByteArray ResultsBlock::encoded() const {
    QStringEncoder encoder(kResultsCodePage);
    Q_ASSERT(encoder.isValid());
    return encoder.encode(text());
}

}  // namespace orven
