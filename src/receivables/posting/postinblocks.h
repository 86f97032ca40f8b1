#pragma once
// A posting pass goes through the documents it read under its locks a block at a time, moving
// the progress bar after each block; the engine refusing a block stops the pass, keeping what
// earlier blocks posted.

#include "common/dialogs.h"
#include "engine/dberror.h"

#include <QString>
#include <algorithm>
#include <optional>
#include <span>
#include <vector>

namespace posting
{

// `write(block)` posts one block of at most `blockSize` keys. Returns the engine's text when a
// refusal stopped the pass.
template <typename Write>
std::optional<QString> postInBlocks(const std::vector<qint64>& keys, std::size_t blockSize,
                                    Progress& progress, Write write)
{
    progress.setRange(0, int(keys.size()));
    progress.setValue(0);
    try {
        for (std::size_t first = 0; first < keys.size(); first += blockSize) {
            const std::size_t count = std::min(blockSize, keys.size() - first);
            write(std::span(keys).subspan(first, count));
            progress.setValue(int(first + count));
        }
    } catch (const DbError& e) {
        return e.message();
    }
    return std::nullopt;
}

} // namespace posting
