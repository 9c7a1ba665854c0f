#include "services/WordProcessor.h"

#include "services/HunspellWordProcessor.h"

namespace {
WordProcessor::Factory installedFactory;
} // namespace

std::unique_ptr<WordApplication> WordProcessor::create(QWidget* parent,
                                                       IgnoredWords& ignoredWords) {
    if (installedFactory)
        return installedFactory(parent, ignoredWords);
    return std::make_unique<HunspellWordProcessor>(HunspellSetup::standard(), ignoredWords, parent);
}

void WordProcessor::installFactory(Factory factory) {
    installedFactory = std::move(factory);
}
