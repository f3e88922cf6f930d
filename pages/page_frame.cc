#include "pages/page_frame.h"

namespace pages {
namespace {

// System fonts only: a page fetches nothing. Fluid widths for a phone; A4
// portrait and no scrolling boxes on paper.
constexpr char kStyleSheet[] = R"css(
*{box-sizing:border-box}
body{margin:0;font:15px/1.45 system-ui,-apple-system,"Segoe UI",Roboto,sans-serif;color:#1a202c;background:#fff}
header,main,footer{max-width:64rem;margin:0 auto;padding:0 1rem}
header{border-bottom:3px solid #2b6cb0;padding-top:1rem;padding-bottom:.5rem}
header h1{margin:0;font-size:1.6rem}
header p{margin:.2rem 0;color:#4a5568}
h2{font-size:1.2rem;margin:1.6rem 0 .5rem;border-bottom:1px solid #cbd5e0}
a{color:#2b6cb0}
table{border-collapse:collapse;margin:.5rem 0}
th,td{padding:.2rem .6rem;border-bottom:1px solid #e2e8f0;text-align:left;vertical-align:top}
td.n,th.n{text-align:right;font-variant-numeric:tabular-nums}
.wide{overflow-x:auto}
dl.station{display:grid;grid-template-columns:max-content 1fr;gap:.2rem 1rem}
dl.station dt{font-weight:600}
dl.station dd{margin:0;white-space:pre-wrap}
.score{font-size:1.4rem;font-weight:700}
figure.chart{margin:1rem 0;display:flex;flex-wrap:wrap;gap:1rem;align-items:flex-start}
figure.chart figcaption{flex:1 1 100%;font-weight:600}
figure.chart .plot{flex:1 1 30rem;min-width:0}
figure.chart svg{width:100%;height:auto;display:block}
.numbers{max-height:20rem;overflow:auto}
.numbers td{text-align:right;font-variant-numeric:tabular-nums}
.numbers th{white-space:nowrap}
svg text{font-size:11px;fill:#2d3748}
svg .tick-value{text-anchor:end}
svg .tick-label{text-anchor:middle}
svg .grid{stroke:#e2e8f0}
svg .axis{stroke:#4a5568}
svg .line{fill:none;stroke:#2b6cb0;stroke-width:2}
.s0{fill:#2b6cb0}.s1{fill:#dd6b20}.s2{fill:#2f855a}.s3{fill:#c53030}.s4{fill:#6b46c1}.s5{fill:#b7791f}.s6{fill:#4a5568}
pre.lines{margin:.3rem 0;overflow-x:auto;font-size:.8rem;white-space:pre}
footer{margin-top:2rem;padding-top:.5rem;padding-bottom:1rem;border-top:1px solid #cbd5e0;color:#718096;font-size:.85rem}
@page{size:A4;margin:15mm}
@media print{
body{font-size:10pt}
header,main,footer{max-width:none;padding:0}
*{-webkit-print-color-adjust:exact;print-color-adjust:exact}
.numbers,.wide,pre.lines{max-height:none;overflow:visible;white-space:pre-wrap}
figure.chart,table tr{break-inside:avoid}
h2{break-after:avoid}
a{color:inherit;text-decoration:none}
}
)css";

constexpr char kFooter[] = "Made by zvk-score.";
constexpr char kNumbersFooter[] =
    "Made by zvk-score. Every number on this page is also given as text.";

}  // namespace

void openPage(HtmlWriter& html, const PageHeading& heading) {
  html.open("html", {{"lang", "en"}}).open("head");
  html.empty("meta", {{"charset", "utf-8"}});
  html.empty("meta", {{"name", "viewport"}, {"content", "width=device-width, initial-scale=1"}});
  html.element("title", heading.title).styleSheet(kStyleSheet).close();
  html.open("body").open("header");
  if (!heading.upLink.empty()) {
    html.open("p").element("a", heading.upText, {{"href", heading.upLink}}).close();
  }
  html.element("h1", heading.title);
  if (!heading.subtitle.empty()) html.element("p", heading.subtitle);
  html.close().open("main");
}

std::string closePage(HtmlWriter& html, Numbers numbers) {
  html.close().open("footer");
  html.element("p", numbers == Numbers::kSome ? kNumbersFooter : kFooter).close();
  return html.finish();
}

}  // namespace pages
