#include "desktop/GraphPicture.h"

#include <gvc.h>

#include <memory>

namespace desktop {
namespace {

const char* graphvizFormat(platform::PictureFormat format) {
    switch (format) {
        case platform::PictureFormat::Svg:
            return "svg";
        case platform::PictureFormat::Pdf:
            return "pdf";
        case platform::PictureFormat::Png:
            break;
    }
    return "png";
}

// Graphviz's text plugin remembers the last font by a pointer into the context's font
// table, so a context freed after one layout leaves the next layout reading freed
// memory: one context serves every layout the program makes.
GVC_t* graphvizContext() {
    static const std::unique_ptr<GVC_t, int (*)(GVC_t*)> context(gvContext(), gvFreeContext);
    return context.get();
}

}  // namespace

std::optional<std::vector<uint8_t>> renderGraph(const std::string& dot,
                                                platform::PictureFormat format) {
    GVC_t* context = graphvizContext();
    if (!context) return std::nullopt;
    const std::unique_ptr<Agraph_t, int (*)(Agraph_t*)> graph(agmemread(dot.c_str()), agclose);
    if (!graph || gvLayout(context, graph.get(), "dot") != 0) return std::nullopt;
    char* data = nullptr;
    unsigned int length = 0;
    const int failed = gvRenderData(context, graph.get(), graphvizFormat(format), &data, &length);
    std::optional<std::vector<uint8_t>> bytes;
    if (failed == 0 && data) bytes.emplace(data, data + length);
    gvFreeRenderData(data);
    gvFreeLayout(context, graph.get());
    return bytes;
}

}  // namespace desktop
