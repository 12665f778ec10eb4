#include "importdraws/ImportReading.h"

#include "widgets/FileAccess.h"
#include "widgets/Look.h"

namespace pick3 {

ImportReading readImport(const QString& path, std::shared_ptr<const std::string> text,
                         const ImportChoices& choices,
                         const std::shared_ptr<ReadingProgress>& progress,
                         std::shared_ptr<const GameDefinition> game) {
    ImportReading reading;
    if (text == nullptr) {
        FileBytes file = readFileBytes(path, kMaxImportFileBytes);
        if (!file.ok()) {
            reading.problem = file.error;
            reading.fileError = true;
            return reading;
        }
        Result<std::string> decoded = decodeOwnedText(std::move(file.bytes));
        if (!decoded.ok()) {
            reading.problem = fromEngine(decoded.refusal());
            return reading;
        }
        text = std::make_shared<const std::string>(std::move(*decoded));
    }
    reading.text = text;
    ImportChoices asTheGameWrites = choices;
    if (game != nullptr) {
        for (const AddOn& addOn : game->addOns) {
            asTheGameWrites.fourthDigitAddOn |= addOn.fourthDigitInHistories;
        }
    }
    Result<ImportResult> result = recognizeDraws(*text, asTheGameWrites, [progress](double done) {
        progress->permille = static_cast<int>(done * 1000.0);
        return !progress->cancel.load();
    });
    if (!result.ok()) {
        reading.cancelled = progress->cancel.load();
        if (!reading.cancelled) {
            reading.problem = fromEngine(result.refusal());
        }
        return reading;
    }
    if (game != nullptr) {
        *result = namedByGame(std::move(*result), *game, reading.findings);
        reading.game = std::move(game);
    }
    reading.result = std::make_shared<const ImportResult>(std::move(*result));
    return reading;
}

} // namespace pick3
