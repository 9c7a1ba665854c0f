#include "services/IgnoredWords.h"

void IgnoredWords::add(const QString& word) {
    if (word.isEmpty() || m_words.contains(word))
        return;
    m_words.insert(word);
    emit added(word);
}
