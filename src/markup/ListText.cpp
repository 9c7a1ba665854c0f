#include "markup/ListText.h"

namespace {

// Options 1-10 (bulleted) and 11-20 (numbered) hold 1 to 10 items; options 21-25
// (bulleted) and 26-30 (numbered) continue the two columns with 11 to 15 items.
constexpr int kHeadLength = 10;
constexpr int kFirstTailOption = 21;
constexpr int kTailLength = kMaxListItems - kHeadLength;
const QString kLineBreak = QStringLiteral("\r\n");

} // namespace

std::optional<ListShape> listShapeOf(int optionNumber) {
    if (optionNumber < 1 || optionNumber > kListOptionCount)
        return std::nullopt;
    if (optionNumber < kFirstTailOption) {
        const int index = optionNumber - 1;
        const ListKind kind = index < kHeadLength ? ListKind::Bulleted : ListKind::Numbered;
        return ListShape{kind, index % kHeadLength + 1};
    }
    const int index = optionNumber - kFirstTailOption;
    const ListKind kind = index < kTailLength ? ListKind::Bulleted : ListKind::Numbered;
    return ListShape{kind, kHeadLength + index % kTailLength + 1};
}

QString listOptionObjectName(int optionNumber) {
    return QStringLiteral("Option%1").arg(optionNumber);
}

QString listOptionCaption(int optionNumber) {
    const std::optional<ListShape> shape = listShapeOf(optionNumber);
    if (!shape)
        return {};
    if (shape->itemCount == 1)
        return QStringLiteral("1 Item");
    return QStringLiteral("%1 Items").arg(shape->itemCount);
}

QList<int> listColumn(ListKind kind) {
    const int firstStart = kind == ListKind::Bulleted ? 1 : 1 + kHeadLength;
    const int tailStart =
        kind == ListKind::Bulleted ? kFirstTailOption : kFirstTailOption + kTailLength;
    QList<int> column;
    for (int i = 0; i < kHeadLength; ++i)
        column.append(firstStart + i);
    for (int i = 0; i < kTailLength; ++i)
        column.append(tailStart + i);
    return column;
}

QString listText(const ListShape& shape) {
    const bool bulleted = shape.kind == ListKind::Bulleted;
    QString text = kLineBreak + (bulleted ? "[ul]" : "[ol]") + kLineBreak;
    for (int item = 1; item <= shape.itemCount; ++item)
        text += QStringLiteral("[li] enter item%1 [/li]").arg(item) + kLineBreak;
    return text + (bulleted ? "[/ul]" : "[/ol]");
}
