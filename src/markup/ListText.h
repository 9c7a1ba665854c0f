#pragma once

#include <QList>
#include <QString>
#include <optional>

// The list page: 30 options, each a list kind and an item count, and the list skeleton
// that Insert List puts in for the selected one.
enum class ListKind { Bulleted, Numbered };

struct ListShape {
    ListKind kind;
    int itemCount; // 1 to kMaxListItems

    bool operator==(const ListShape& other) const {
        return kind == other.kind && itemCount == other.itemCount;
    }
};

inline constexpr int kListOptionCount = 30;
inline constexpr int kMaxListItems = 15;

// Option numbers 1..30 (objectName "Option" + number). The numbers do not follow the
// columns: 1-10 and 21-25 are bulleted, 11-20 and 26-30 numbered.
std::optional<ListShape> listShapeOf(int optionNumber);
QString listOptionObjectName(int optionNumber);
// "1 Item", "2 Items", ...
QString listOptionCaption(int optionNumber);
// The option numbers of one column, from 1 item down to kMaxListItems.
QList<int> listColumn(ListKind kind);

// CR LF first, the opening tag, one "[li] enter itemK [/li]" line per item, the closing
// tag last with no break after it.
QString listText(const ListShape& shape);

inline constexpr const char* kBulletedHeading = "Bulleted list";
inline constexpr const char* kNumberedHeading = "Numbered list";
inline constexpr const char* kInsertListCaption = "Insert List";
inline constexpr const char* kNoListOptionMessage = "Please select an option";
