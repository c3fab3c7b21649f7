// The player's times of the latest results of each grade in "moje
// výsledky", drawn as the desktop draws them: one line a grade over the
// results from the oldest, each grade with its own colour and its own mark
// (circle, square, triangle, diamond, cross) so that no grade is told by
// colour alone, a result with help hollow.
import { TimesJson } from "./core.js";

// Told apart also by those who see red and green alike (Okabe–Ito).
const gradeColours = ["#0072b2", "#e69f00", "#009e73", "#cc79a7", "#555555"];
const svgNs = "http://www.w3.org/2000/svg";

export function formatPlayTime(seconds: number): string {
  const two = (n: number) => String(n).padStart(2, "0");
  const minutes = Math.floor(seconds / 60);
  return seconds >= 3600
    ? `${Math.floor(seconds / 3600)}:${two(minutes % 60)}:${two(seconds % 60)}`
    : `${minutes}:${two(seconds % 60)}`;
}

// A step of the time axis that gives some five lines: 1, 2, 5, 10, ... minutes.
export function timeStep(most: number): number {
  for (const step of [30, 60, 120, 300, 600, 900, 1800, 3600, 7200]) if (most / step <= 5) return step;
  return 14400;
}

function svg<K extends keyof SVGElementTagNameMap>(tag: K, attributes: Record<string, string | number>): SVGElementTagNameMap[K] {
  const element = document.createElementNS(svgNs, tag);
  for (const [name, value] of Object.entries(attributes)) element.setAttribute(name, String(value));
  return element;
}

function mark(style: number, x: number, y: number, size: number, filled: boolean): SVGElement {
  const colour = gradeColours[style % gradeColours.length];
  const paint = { stroke: colour, "stroke-width": 1.6, fill: filled ? colour : "#ffffff" };
  const r = size / 2;
  const polygon = (points: [number, number][]) =>
    svg("polygon", { ...paint, points: points.map(([px, py]) => `${x + px * r},${y + py * r}`).join(" ") });
  switch (style % gradeColours.length) {
    case 0:
      return svg("circle", { ...paint, cx: x, cy: y, r });
    case 1:
      return svg("rect", { ...paint, x: x - r, y: y - r, width: size, height: size });
    case 2:
      return polygon([[0, -1.15], [1.1, 0.85], [-1.1, 0.85]]);
    case 3:
      return polygon([[0, -1.2], [1.2, 0], [0, 1.2], [-1.2, 0]]);
    default:
      return svg("path", {
        stroke: colour,
        "stroke-width": filled ? 2.4 : 1.2,
        fill: "none",
        d: `M${x - r},${y - r}L${x + r},${y + r}M${x - r},${y + r}L${x + r},${y - r}`,
      });
  }
}

export function timesPlot(series: TimesJson[], width: number): SVGSVGElement {
  const height = 240;
  const legendWidth = width < 420 ? 0 : 130;
  const legendRows = legendWidth === 0 ? Math.ceil((series.length + 1) / 2) : 0;
  const plotHeight = height + legendRows * 20;
  const plot = svg("svg", { width, height: plotHeight, viewBox: `0 0 ${width} ${plotHeight}`, role: "img", class: "times-plot" });
  plot.setAttribute("aria-label", "časy posledních výsledků podle obtížnosti");
  plot.append(svg("rect", { x: 0, y: 0, width, height: plotHeight, fill: "#ffffff" }));

  let most = 60;
  let longest = 2;
  for (const s of series) {
    longest = Math.max(longest, s.points.length);
    for (const point of s.points) most = Math.max(most, point.seconds);
  }
  const step = timeStep(most);
  const top = (Math.floor(most / step) + 1) * step;
  const left = 58;
  const area = { left, top: 10, width: width - left - legendWidth - 10, height: height - 20 - 20 };
  const x = (i: number) => area.left + (area.width * i) / Math.max(longest - 1, 1);
  const y = (seconds: number) => area.top + area.height - (area.height * seconds) / top;
  const text = (content: string, attributes: Record<string, string | number>) => {
    const element = svg("text", { "font-size": 12, fill: "#404040", ...attributes });
    element.textContent = content;
    return element;
  };

  for (let t = 0; t <= top; t += step) {
    plot.append(svg("line", { x1: area.left, x2: area.left + area.width, y1: y(t), y2: y(t), stroke: "#dddddd" }));
    plot.append(text(formatPlayTime(t), { x: left - 6, y: y(t) + 4, "text-anchor": "end" }));
  }
  plot.append(
    text("výsledky od nejstaršího po nejnovější", {
      x: area.left + area.width / 2,
      y: area.top + area.height + 18,
      "text-anchor": "middle",
    }),
  );

  const legendAt = (index: number): [number, number] =>
    legendWidth > 0
      ? [width - legendWidth, 16 + 22 * index]
      : [left + (index % 2) * ((width - left) / 2), height + 4 + 20 * Math.floor(index / 2)];
  series.forEach((s, style) => {
    const colour = gradeColours[style % gradeColours.length];
    if (s.points.length > 0)
      plot.append(
        svg("polyline", {
          points: s.points.map((point, i) => `${x(i)},${y(point.seconds)}`).join(" "),
          fill: "none",
          stroke: colour,
          "stroke-width": 1.4,
          ...(style % 2 === 1 ? { "stroke-dasharray": "5 3" } : {}),
        }),
      );
    s.points.forEach((point, i) => plot.append(mark(style, x(i), y(point.seconds), 8, point.unaided)));
    const [lx, ly] = legendAt(style);
    plot.append(mark(style, lx + 6, ly, 9, true));
    plot.append(text(s.grade || "neurčená", { x: lx + 16, y: ly + 4, fill: "#000000" }));
  });
  if (series.length > 0) {
    const [lx, ly] = legendAt(series.length);
    plot.append(mark(0, lx + 6, ly, 9, false));
    plot.append(text("s nápovědou", { x: lx + 16, y: ly + 4, fill: "#000000" }));
  }
  return plot;
}
