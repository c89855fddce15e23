#include "pipeline/report_json.h"

#include "pipeline/analysis_output.h"

namespace qav {
namespace {

const char* KindName(ReportBlockKind kind)
{
    switch (kind) {
        case ReportBlockKind::Section:
            return "section";
        case ReportBlockKind::Text:
            return "text";
        case ReportBlockKind::Note:
            return "note";
        case ReportBlockKind::Facts:
            return "facts";
        case ReportBlockKind::Table:
            return "table";
        case ReportBlockKind::Chart:
            return "chart";
        case ReportBlockKind::Graph:
            return "graph";
        case ReportBlockKind::Guidance:
            return "guidance";
        case ReportBlockKind::SunPath:
            return "sun_path";
        case ReportBlockKind::Calendar:
            return "calendar";
        case ReportBlockKind::AdaptiveGraph:
            return "adaptive_graph";
        case ReportBlockKind::WindRose:
            return "wind_rose";
    }
    return "text";
}

std::string TextList(const std::vector<std::string>& texts)
{
    std::string out = "[";
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i) out += ',';
        out += JsonString(texts[i]);
    }
    return out + "]";
}

}  // namespace

std::string ReportJson(const ReportContent& report)
{
    std::string out = "{\"title\":" + JsonString(report.Title) + ",\"blocks\":[";
    for (std::size_t b = 0; b < report.Blocks.size(); ++b) {
        const ReportBlock& block = report.Blocks[b];
        out += b ? ",{" : "{";
        out += "\"kind\":\"" + std::string(KindName(block.Kind)) + "\",\"text\":" + JsonString(block.Text);
        if (block.Kind == ReportBlockKind::Facts || block.Kind == ReportBlockKind::Table) {
            out += ",\"columns\":" + TextList(block.Table.Columns) + ",\"rows\":[";
            for (std::size_t r = 0; r < block.Table.Rows.size(); ++r) {
                if (r) out += ',';
                out += TextList(block.Table.Rows[r]);
            }
            out += "],\"bold\":[";
            for (std::size_t r = 0; r < block.Table.Bold.size(); ++r) {
                if (r) out += ',';
                out += block.Table.Bold[r] ? "true" : "false";
            }
            out += "]";
        }
        if (block.Kind == ReportBlockKind::Guidance) {
            const ReportGuidance& a = block.Advice;
            out += ",\"heading\":" + JsonString(a.Heading) + ",\"share\":" + JsonString(a.Share) +
                   ",\"asks\":" + JsonString(a.Asks) + ",\"measures\":" + JsonString(a.Measures) +
                   ",\"pitfalls\":" + JsonString(a.Pitfalls) + ",\"site\":" + JsonString(a.Site);
        }
        out += "}";
    }
    return out + "]}";
}

}  // namespace qav
