// Looking up a link.
#include "cutting/TSasiad.h"

#include "cutting/TPuzel.h"

std::shared_ptr<TSasiad> TSasiad::getByPuzel(const std::shared_ptr<TPuzel>& piece,
                                             const std::shared_ptr<TPuzel>& owner) {
    if (!owner || !piece) return nullptr;
    for (const auto& link : owner->neighbours) {
        if (link && link->puzel() == piece) return link;
    }
    return nullptr;
}
