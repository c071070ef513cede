#include "core/download/DownloadState.h"

#include "core/util/Printf.h"

namespace brivon::download {

std::string progressText(const DownloadState& state)
{
    if (state.dumpKind == link::DumpKind::DataLogger && state.downloadTotal > 0)
        return util::printfString("%d of %d bytes", state.bytesReceived, state.downloadTotal);
    if (state.dumpKind == link::DumpKind::Memory && state.recordsReceived)
        return util::printfString(
            *state.recordsReceived == 1 ? "%d record" : "%d records", *state.recordsReceived);
    return {};
}

}  // namespace brivon::download
