#include "markup/ListText.h"

namespace {

constexpr int kFirstColumnLength = 10; // options 1-10 and 11-20
constexpr int kColumnTail = 21;        // options 21-25 and 26-30 carry counts 11 to 15
constexpr int kTailLength = kMaxListItems - kFirstColumnLength;
const QString kLineBreak = QStringLiteral("\r\n");

} // namespace

std::optional<ListShape> listShapeOf(int optionNumber) {
    if (optionNumber < 1 || optionNumber > kListOptionCount)
        return std::nullopt;
    if (optionNumber < kColumnTail) {
        const int index = optionNumber - 1;
        const ListKind kind = index < kFirstColumnLength ? ListKind::Bulleted : ListKind::Numbered;
        return ListShape{kind, index % kFirstColumnLength + 1};
    }
    const int index = optionNumber - kColumnTail;
    const ListKind kind = index < kTailLength ? ListKind::Bulleted : ListKind::Numbered;
    return ListShape{kind, kFirstColumnLength + index % kTailLength + 1};
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
    const int firstStart = kind == ListKind::Bulleted ? 1 : 1 + kFirstColumnLength;
    const int tailStart = kind == ListKind::Bulleted ? kColumnTail : kColumnTail + kTailLength;
    QList<int> column;
    for (int i = 0; i < kFirstColumnLength; ++i)
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
