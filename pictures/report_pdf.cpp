#include "pictures/report_pdf.h"

#include <QBuffer>
#include <QDateTime>
#include <QFontMetricsF>
#include <QHashFunctions>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QStringList>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "chart/qt/qpainter_canvas.h"
#include "chart/qt/upper_vector_state.h"
#include "core/version.h"
#include "pictures/picture_files.h"
#include "pipeline/picture_svg.h"
#include "pipeline/comfort_report.h"
#include "pipeline/report.h"
#include "pipeline/sun_pictures.h"
#include "text/report_texts.h"

namespace qav {
namespace {

// Device units: 720 per inch, ten per point, fine enough that text and rules need no rounding.
constexpr int kDpi = 720;
constexpr double kPt = kDpi / 72.0;
constexpr double kMarginMm = 18;
constexpr double kBodyPt = 9, kNotePt = 8, kSectionPt = 12, kTitlePt = 16, kAdvicePt = 10;
const QColor kGrey(90, 90, 90);
constexpr double kCellPad = 4 * kPt;  // each side of a table cell
// A last page filled below this share is worth saving by a tighter layout, which sets type and
// gaps at one of these factors (the gaps twice), the least that saves the page: 9 pt body text
// becomes about 8.6, 8.1 or 7.7 pt.
constexpr double kSparseLastPage = 0.25;
constexpr double kTightLayouts[] = {0.95, 0.9, 0.85};
// A report is meant to be handed in: at most this many pages, closed up as above when it runs over.
constexpr int kMostPages = 6;

QString Q(const std::string& text) { return QString::fromStdString(text); }

QDateTime Utc(std::int64_t unixTime) { return QDateTime::fromSecsSinceEpoch(unixTime, Qt::UTC); }

/// A cell is right-aligned when its column holds numbers only ("12,5", "-3", "" allowed).
bool NumericColumn(const ReportTable& table, std::size_t column)
{
    bool any = false;
    for (const auto& row : table.Rows) {
        const std::string& cell = row[column];
        for (char c : cell) {
            if (!(c >= '0' && c <= '9') && c != '.' && c != ',' && c != '-') return false;
        }
        any = any || !cell.empty();
    }
    return any;
}

// Letters the shipped font lacks (Chinese, Japanese, Devanagari) come from these, in this order,
// so that a location named in those scripts is drawn and stays in the text layer (Qt embeds the
// glyphs used as a subset). Debian's fonts-droid-fallback and fonts-lohit-deva; DejaVu Sans has
// Arabic itself.
const QStringList& FallbackFamilies()
{
    static const QStringList families{QStringLiteral("Droid Sans Fallback"), QStringLiteral("Lohit Devanagari")};
    return families;
}

QFont ReportFont(double points, bool bold = false)
{
    QFont font = ShippedFont(points, bold);
    font.setFamilies(QStringList{font.family()} + FallbackFamilies());
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

// The longest name the heading shows, in characters; the document's title keeps the whole.
constexpr qsizetype kShownNameChars = 160;

/// The location's name as the report shows it: each unbroken run of letters (a name without
/// spaces cannot wrap) elided to the width of a line of the heading, and the whole cut to
/// kShownNameChars with an ellipsis. A name that fits comes back as it is.
QString ShownName(const QString& name, QPaintDevice& device, double width)
{
    const QFontMetricsF heading(ReportFont(kTitlePt, true), &device);
    QStringList runs = name.split(QLatin1Char(' '));
    for (QString& run : runs) {
        if (heading.horizontalAdvance(run) > width) run = heading.elidedText(run, Qt::ElideRight, width);
    }
    QString shown = runs.join(QLatin1Char(' '));
    if (shown.size() > kShownNameChars) {
        qsizetype cut = kShownNameChars - 1;
        if (shown.at(cut - 1).isHighSurrogate()) --cut;  // not half a character
        shown = shown.left(cut) + QChar(0x2026);
    }
    return shown;
}

/// Lays the blocks out page by page; draws them too when given a painter. Returns the pages used.
class PageLayout {
  public:
    PageLayout(const ReportContent& content, const AnalysisState& state, Language language, QPaintDevice& device,
               QSizeF area)
        : content_(content), state_(state), language_(language), device_(device), area_(area)
    {
    }

    /// Scales the type and the gaps (1: as designed): a tighter layout keeps a last page that
    /// would hold a few lines off the report.
    void SetTightness(double tight) { tight_ = tight; }
    /// How much of the last page the last Run filled, 0 to 1.
    double LastPageFill() const { return y_ / Bottom(); }

    int Run(QPdfWriter* writer, QPainter* painter, int pageCount)
    {
        writer_ = writer;
        painter_ = painter;
        pageCount_ = pageCount;
        page_ = 1;
        y_ = 0;
        Title();
        for (std::size_t i = 0; i < content_.Blocks.size(); ++i) Block(i);
        Footer();
        return page_;
    }

  private:
    // Only the shipped regular and bold faces: an italic would be a system font or a synthesised one.
    // Without shaping there are no ligatures, so "fi" is copied and found as two letters.
    QFont Font(double points, bool bold = false) const { return ReportFont(points * tight_, bold); }
    /// A vertical gap of `points`, closed up in a tight layout.
    double Gap(double points) const { return points * kPt * tight_ * tight_; }
    double Bottom() const { return area_.height() - 14 * kPt; }  // room for the footer

    double TextHeight(const QFont& font, const QString& text, double width) const
    {
        return QFontMetricsF(font, &device_)
            .boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap | Qt::AlignLeft, text)
            .height();
    }
    void DrawText(const QFont& font, const QRectF& box, const QString& text, int flags = Qt::AlignLeft,
                  const QColor& colour = Qt::black)
    {
        if (!painter_) return;
        painter_->setFont(font);
        painter_->setPen(colour);
        painter_->drawText(box, flags | Qt::TextWordWrap, text);
    }

    void NewPage()
    {
        Footer();
        ++page_;
        y_ = 0;
        if (writer_) writer_->newPage();
    }
    /// Starts a new page unless `height` fits below the current position.
    void Need(double height)
    {
        if (y_ > 0 && y_ + height > Bottom()) NewPage();
    }

    void Footer()
    {
        const QFont font = Font(kNotePt - 1);
        const QRectF box(0, area_.height() - 10 * kPt, area_.width(), 10 * kPt);
        const std::string page =
            FilledText(ReportText(language_, report_text::kPage), {std::to_string(page_), std::to_string(pageCount_)});
        // One line: a title too long for it would climb into the page's text.
        const QFontMetricsF metrics(font, &device_);
        const double room = area_.width() - metrics.horizontalAdvance(Q(page)) - 12 * kPt;
        const QString title = Q(content_.Title);
        DrawText(font, box,
                 metrics.horizontalAdvance(title) > room ? metrics.elidedText(title, Qt::ElideRight, room) : title,
                 Qt::AlignLeft | Qt::AlignBottom, kGrey);
        DrawText(font, box, Q(page), Qt::AlignRight | Qt::AlignBottom, kGrey);
    }

    void Title()
    {
        const QFont font = Font(kTitlePt, true);
        const double h = TextHeight(font, Q(content_.Title), area_.width());
        DrawText(font, QRectF(0, 0, area_.width(), h), Q(content_.Title));
        y_ = h + Gap(6);
    }

    /// Height of a block as laid out at the page's width.
    double Height(const ReportBlock& block) const;
    void Block(std::size_t i);
    void Paragraph(const QFont& font, const std::string& text, const QColor& colour = Qt::black);
    double TableHeight(const ReportTable& table, bool facts) const;
    void Table(const ReportTable& table, bool facts);
    std::vector<double> ColumnWidths(const ReportTable& table, bool facts) const;
    void Picture(PictureKind kind, double width);
    /// Records a drawing of a canvas of cw x ch canvas units (pw, ph a pixel) and plays it into a
    /// box of the width and height given at the current line.
    void Replay(const std::function<void(ChartCanvas&)>& draw, double cw, double ch, int pw, int ph, double width,
                double height);
    static SunPictureKind SunKindOf(ReportBlockKind kind)
    {
        return kind == ReportBlockKind::SunPath ? SunPictureKind::SunPath : SunPictureKind::Calendar;
    }
    // The sun path is square-ish and tall: at 0.62 of the width it leaves room for its caption.
    double SunWidth(SunPictureKind kind) const
    {
        return area_.width() * (kind == SunPictureKind::SunPath ? 0.5 : 0.85);
    }
    double SunHeight(SunPictureKind kind) const
    {
        return SunWidth(kind) * SunPictureHeight(kind) / SunPictureWidth(kind);
    }
    double PictureHeight(PictureKind kind, double width) const
    {
        const CanvasRect& r = kind == PictureKind::Chart ? state_.Layout.Picture1 : state_.Layout.Picture3;
        return width * r.Height / r.Width;
    }
    double PictureWidth(PictureKind kind) const
    {
        // The graph is drawn at three quarters of the width: large enough to read, and it leaves
        // the normals room on its page.
        return kind == PictureKind::Chart ? area_.width() : area_.width() * 0.75;
    }

    const ReportContent& content_;
    const AnalysisState& state_;
    Language language_;
    QPaintDevice& device_;
    QSizeF area_;
    QPdfWriter* writer_ = nullptr;
    QPainter* painter_ = nullptr;
    int page_ = 1, pageCount_ = 1;
    double y_ = 0;
    double tight_ = 1;
};

double PageLayout::Height(const ReportBlock& block) const
{
    const double width = area_.width();
    switch (block.Kind) {
        case ReportBlockKind::Section:
            return TextHeight(Font(kSectionPt, true), Q(block.Text), width) + Gap(10);
        case ReportBlockKind::Text:
            return TextHeight(Font(kBodyPt), Q(block.Text), width) + Gap(4);
        case ReportBlockKind::Note:
            return TextHeight(Font(kNotePt), Q(block.Text), width) + Gap(3);
        case ReportBlockKind::Facts:
            return TableHeight(block.Table, true);
        case ReportBlockKind::Table:
            return TableHeight(block.Table, false);
        case ReportBlockKind::Chart:
        case ReportBlockKind::Graph:
        case ReportBlockKind::AdaptiveGraph:
        case ReportBlockKind::WindRose: {
            const PictureKind kind = ReportPictureKind(block.Kind);
            return TextHeight(Font(kSectionPt, true), Q(block.Text), width) + Gap(10) +
                   PictureHeight(kind, PictureWidth(kind)) + Gap(6);
        }
        case ReportBlockKind::SunPath:
        case ReportBlockKind::Calendar:
            return TextHeight(Font(kSectionPt, true), Q(block.Text), width) + Gap(10) +
                   SunHeight(SunKindOf(block.Kind)) + Gap(6);
        case ReportBlockKind::Guidance: {
            const ReportGuidance& g = block.Advice;
            double h = TextHeight(Font(kAdvicePt, true), Q(g.Heading + "   " + g.Share), width) + Gap(2);
            for (const std::string* p : {&g.Asks, &g.Measures, &g.Pitfalls, &g.Site})
                if (!p->empty()) h += TextHeight(Font(kBodyPt), Q(*p), width) + Gap(2);
            return h + Gap(6);
        }
    }
    return 0;
}

void PageLayout::Paragraph(const QFont& font, const std::string& text, const QColor& colour)
{
    const double h = TextHeight(font, Q(text), area_.width());
    DrawText(font, QRectF(0, y_, area_.width(), h), Q(text), Qt::AlignLeft, colour);
    y_ += h;
}

void PageLayout::Block(std::size_t i)
{
    const ReportBlock& block = content_.Blocks[i];
    // A heading stays with what follows it.
    const bool heading = block.Kind == ReportBlockKind::Section && i + 1 < content_.Blocks.size();
    Need(Height(block) + (heading ? Height(content_.Blocks[i + 1]) : 0));
    switch (block.Kind) {
        case ReportBlockKind::Section:
            y_ += Gap(6);
            Paragraph(Font(kSectionPt, true), block.Text);
            y_ += Gap(4);
            return;
        case ReportBlockKind::Text:
            Paragraph(Font(kBodyPt), block.Text);
            y_ += Gap(4);
            return;
        case ReportBlockKind::Note:
            Paragraph(Font(kNotePt), block.Text, kGrey);
            y_ += Gap(3);
            return;
        case ReportBlockKind::Facts:
            Table(block.Table, true);
            return;
        case ReportBlockKind::Table:
            Table(block.Table, false);
            return;
        case ReportBlockKind::Chart:
        case ReportBlockKind::Graph:
        case ReportBlockKind::AdaptiveGraph:
        case ReportBlockKind::WindRose:
            y_ += Gap(6);
            Paragraph(Font(kSectionPt, true), block.Text);
            y_ += Gap(4);
            Picture(ReportPictureKind(block.Kind), PictureWidth(ReportPictureKind(block.Kind)));
            y_ += Gap(6);
            return;
        case ReportBlockKind::SunPath:
        case ReportBlockKind::Calendar: {
            const SunPictureKind kind = SunKindOf(block.Kind);
            y_ += Gap(6);
            Paragraph(Font(kSectionPt, true), block.Text);
            y_ += Gap(4);
            Replay([&](ChartCanvas& canvas) { DrawSunPicture(kind, canvas, state_, language_); }, SunPictureWidth(kind),
                   SunPictureHeight(kind), kSunPictureUnits, kSunPictureUnits, SunWidth(kind), SunHeight(kind));
            y_ += Gap(6);
            return;
        }
        case ReportBlockKind::Guidance: {
            const ReportGuidance& g = block.Advice;
            Paragraph(Font(kAdvicePt, true), g.Heading + "   " + g.Share);
            y_ += Gap(2);
            for (const std::string* p : {&g.Asks, &g.Measures, &g.Pitfalls, &g.Site}) {
                if (p->empty()) continue;
                Paragraph(Font(kBodyPt), *p);
                y_ += Gap(2);
            }
            y_ += Gap(6);
            return;
        }
    }
}

std::vector<double> PageLayout::ColumnWidths(const ReportTable& table, bool facts) const
{
    const std::size_t columns = facts ? 2 : table.Columns.size();
    std::vector<double> widths(columns, 0);
    const QFontMetricsF plain(Font(kBodyPt), &device_), bold(Font(kBodyPt, true), &device_);
    const double padding = 2 * kCellPad;
    for (std::size_t c = 0; c < columns; ++c) {
        if (!facts) widths[c] = bold.horizontalAdvance(Q(table.Columns[c])) + padding;
        for (const auto& row : table.Rows)
            widths[c] = std::max(widths[c], (facts && c != 0 ? plain : bold).horizontalAdvance(Q(row[c])) + padding);
    }
    // The last column of facts takes the rest of the width and wraps; a table too wide shrinks.
    if (facts) widths[1] = area_.width() - widths[0];
    double total = 0;
    for (double w : widths) total += w;
    if (total > area_.width())
        for (double& w : widths) w *= area_.width() / total;
    return widths;
}

double PageLayout::TableHeight(const ReportTable& table, bool facts) const
{
    const std::vector<double> widths = ColumnWidths(table, facts);
    const double line = QFontMetricsF(Font(kBodyPt), &device_).height() + Gap(3);
    double h = facts ? 0 : line;
    for (const auto& row : table.Rows)
        h += facts ? TextHeight(Font(kBodyPt), Q(row[1]), widths[1] - 2 * kCellPad) + Gap(3) : line;
    return h + Gap(6);
}

void PageLayout::Table(const ReportTable& table, bool facts)
{
    const std::vector<double> widths = ColumnWidths(table, facts);
    const double line = QFontMetricsF(Font(kBodyPt), &device_).height() + Gap(3);
    const auto cells = [&](const std::vector<std::string>& row, const QFont& font, double height) {
        double x = 0;
        for (std::size_t c = 0; c < widths.size(); ++c) {
            const int align = !facts && NumericColumn(table, c) ? Qt::AlignRight : Qt::AlignLeft;
            const double pad = kCellPad;
            const QFont& cellFont = facts && c == 0 ? Font(kBodyPt, true) : font;
            DrawText(cellFont, QRectF(x + pad, y_, widths[c] - 2 * pad, height), Q(row[c]), align | Qt::AlignTop);
            x += widths[c];
        }
    };
    if (!facts) {
        cells(table.Columns, Font(kBodyPt, true), line);
        y_ += line;
        if (painter_) {
            double total = 0;
            for (double w : widths) total += w;
            painter_->setPen(QPen(Qt::black, 0.5 * kPt));
            painter_->drawLine(QPointF(0, y_ - 1.5 * kPt), QPointF(total, y_ - 1.5 * kPt));
        }
    }
    for (std::size_t r = 0; r < table.Rows.size(); ++r) {
        const double height =
            facts ? TextHeight(Font(kBodyPt), Q(table.Rows[r][1]), widths[1] - 2 * kCellPad) + Gap(3) : line;
        const bool bold = r < table.Bold.size() && table.Bold[r];
        cells(table.Rows[r], Font(kBodyPt, bold), height);
        y_ += height;
    }
    y_ += Gap(6);
}

void PageLayout::Picture(PictureKind kind, double width)
{
    const CanvasRect& r = kind == PictureKind::Chart ? state_.Layout.Picture1 : state_.Layout.Picture3;
    Replay([&](ChartCanvas& canvas) { DrawPicture(kind, canvas, state_, DecimalSeparatorOf(language_), language_); },
           r.Width, r.Height, state_.Layout.PixelWidth, state_.Layout.PixelHeight, width, PictureHeight(kind, width));
}

void PageLayout::Replay(const std::function<void(ChartCanvas&)>& draw, double cw, double ch, int pw, int ph,
                        double width, double height)
{
    if (painter_) {
        // The picture is recorded by the Qt canvas and replayed here, so it stays vector paths
        // and text; it is scaled from its screen pixels to the width given.
        QPicture picture;
        {
            QPainterCanvas canvas(picture, cw, ch, pw, ph);
            draw(canvas);
            canvas.EndPainting();
        }
        const QSize pixels = QPainterCanvas::DeviceSize(cw, ch, pw, ph);
        painter_->save();
        const QRectF target(0, y_, width, height);
        painter_->setClipRect(target);
        painter_->translate(target.topLeft());
        // Qt replays a picture at the resolution of the device it is played on; its pixels are
        // taken back to the resolution it was recorded at before they are fitted to the box.
        const double replay = static_cast<double>(picture.logicalDpiX()) / painter_->device()->logicalDpiX();
        painter_->scale(replay * width / pixels.width(), replay * height / pixels.height());
        painter_->drawPicture(0, 0, picture);
        painter_->restore();
        painter_->setPen(QPen(kGrey, 0.5 * kPt));
        painter_->setBrush(Qt::NoBrush);
        painter_->drawRect(target);
        ClearUpperVectorState();
    }
    y_ += height;
}

/// "D:20261207170000" and the zone Qt wrote after it ("Z" or "+01'00'"), as UTC in the same length.
QByteArray PdfDate(std::int64_t unixTime, qsizetype length)
{
    QByteArray date = "D:" + Utc(unixTime).toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1();
    const qsizetype zone = length - date.size();
    if (zone == 1)
        date += 'Z';
    else if (zone == 7)
        date += "+00'00'";
    return date.size() == length ? date : QByteArray();
}

QByteArray Xmp(const ReportContent& content, std::int64_t unixTime)
{
    // Written by us rather than by Qt, whose packet carries a new random document id each time.
    const QString date = Utc(unixTime).toString(Qt::ISODate);
    QString title = Q(content.Title).toHtmlEscaped();
    return QStringLiteral(
               "<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?>\n"
               "<x:xmpmeta xmlns:x='adobe:ns:meta/'>\n"
               "<rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'>\n"
               "<rdf:Description rdf:about='' xmlns:dc='http://purl.org/dc/elements/1.1/' "
               "xmlns:xmp='http://ns.adobe.com/xap/1.0/'>\n"
               "<dc:title><rdf:Alt><rdf:li xml:lang='x-default'>%1</rdf:li></rdf:Alt></dc:title>\n"
               "<xmp:CreatorTool>%2</xmp:CreatorTool>\n"
               "<xmp:CreateDate>%3</xmp:CreateDate>\n"
               "</rdf:Description>\n</rdf:RDF>\n</x:xmpmeta>\n<?xpacket end='w'?>")
        .arg(title, QString::fromUtf8(kProgramAndVersion.data(), static_cast<qsizetype>(kProgramAndVersion.size())),
             date)
        .toUtf8();
}

}  // namespace

std::optional<Paper> PaperFromName(std::string_view name)
{
    std::string lower(name);
    for (char& c : lower) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    if (lower == "a4") return Paper::A4;
    if (lower == "letter") return Paper::Letter;
    return std::nullopt;
}

std::int64_t ReportTime()
{
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH"); epoch && *epoch) {
        bool ok = false;
        const qlonglong seconds = QByteArray(epoch).toLongLong(&ok);
        // Beyond the year 9999 a PDF date has no room.
        if (ok && seconds >= 0 && seconds < 253402300800LL) return seconds;
    }
    return QDateTime::currentSecsSinceEpoch();
}

QByteArray WithCreationDate(QByteArray pdf, std::int64_t unixTime)
{
    const QByteArray key = "/CreationDate (";
    const qsizetype start = pdf.indexOf(key);
    if (start < 0) return pdf;
    const qsizetype from = start + key.size();
    const qsizetype end = pdf.indexOf(')', from);
    if (end < 0) return pdf;
    const QByteArray date = PdfDate(unixTime, end - from);
    if (!date.isEmpty()) pdf.replace(from, date.size(), date);
    return pdf;
}

QByteArray RenderReportPdf(const AnalysisState& state, Paper paper, Language language, std::int64_t unixTime)
{
    const std::string day = Utc(unixTime).toString(QStringLiteral("yyyy-MM-dd")).toStdString();
    const std::optional<ReportContent> full = ComposeReport(state, language, day);
    if (!full) return {};
    // A weather file's report follows its recorded hours, so its chart shows them too (the dots,
    // the recorded shares in the legend), whichever hours the window shows.
    std::optional<AnalysisState> recordedView;
    if (state.CurrentRecorded() && state.View != HoursView::Recorded) {
        recordedView = state;
        recordedView->View = HoursView::Recorded;
    }
    const AnalysisState& viewed = recordedView ? *recordedView : state;
    // Qt's PDF writer keeps the embedded fonts in a QHash and writes them in its order, which the
    // per-process hash seed would change from run to run. A fixed seed makes the same report the
    // same bytes in every process; it stays fixed for the rest of the process (setting it back
    // could race with a report drawn on another thread), at no cost here: no hash of this program
    // is keyed by text an attacker could choose to collide.
    QHashSeed::setDeterministicGlobalSeed();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kDpi);
        writer.setPageLayout(QPageLayout(QPageSize(paper == Paper::A4 ? QPageSize::A4 : QPageSize::Letter),
                                         QPageLayout::Portrait, QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                         QPageLayout::Millimeter));
        writer.setTitle(Q(full->Title));
        writer.setCreator(
            QString::fromUtf8(kProgramAndVersion.data(), static_cast<qsizetype>(kProgramAndVersion.size())));
        writer.setDocumentXmpMetadata(Xmp(*full, unixTime));
        const QSizeF area(writer.width(), writer.height());
        // The pages show the name shortened where it would not fit; the metadata keep it whole.
        std::optional<ReportContent> content = full;
        const std::string& name = viewed.Current().LocationName;
        const std::string shown = ShownName(Q(name), writer, area.width()).toStdString();
        AnalysisState shortened;
        if (shown != name) {
            shortened = state;
            shortened.Locations.Slot[state.CurrentLocation].LocationName = shown;
            content = ComposeReport(shortened, language, day);
            if (recordedView) shortened.View = HoursView::Recorded;
        }
        const AnalysisState& drawn = shown != name ? shortened : viewed;
        PageLayout layout(*content, drawn, language, writer, area);
        int pages = layout.Run(nullptr, nullptr, 1);
        // A last page holding only a few lines (the references), or one past the sixth, is pulled
        // back by setting the text a little closer, when that saves the page.
        if ((pages > 2 && layout.LastPageFill() < kSparseLastPage) || pages > kMostPages) {
            bool saved = false;
            for (double tightness : kTightLayouts) {
                layout.SetTightness(tightness);
                const int tight = layout.Run(nullptr, nullptr, 1);
                if (tight < pages) {
                    pages = tight, saved = true;
                    break;
                }
            }
            if (!saved) layout.SetTightness(1);
        }
        QPainter painter(&writer);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        layout.Run(&writer, &painter, pages);
        painter.end();
        ClearUpperVectorState();
    }
    return WithCreationDate(buffer.data(), unixTime);
}

QString SaveReport(const AnalysisState& state, const QString& path, Paper paper, Language language,
                   std::int64_t unixTime)
{
    const QByteArray bytes = RenderReportPdf(state, paper, language, unixTime);
    if (bytes.isEmpty()) {
        const std::string_view refusal = ReportText(language, report_text::kNoLocation);
        return QString::fromUtf8(refusal.data(), static_cast<qsizetype>(refusal.size()));
    }
    return WriteFileAtomically(path, bytes);
}

}  // namespace qav
