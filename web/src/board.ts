// The board in the modern look: drawn on a canvas as the desktop paints it
// (black clue squares split by a diagonal, the sum across top right and the
// sum down bottom left, large digits on white, notes 3 x 3, row and column
// numbers in grey along the top and left edges, a wrong digit ringed red),
// with an ARIA grid of transparent cells laid over it that takes the taps,
// the focus and the screen reader's questions.
import { BoardJson, PaletteJson, Square, SquareState, cssColour } from "./core.js";

// The row and column numbers take this share of a square above and left of
// the board.
const numberBand = 0.6;
const defaultNumberInk = "#606060";
const wrongRing = "#d00000";

const digitFont = '"DejaVu Sans", Roboto, "Segoe UI", Arial, sans-serif';
// Sums stand two digits wide in half a square: a condensed face keeps them
// tall where there is one.
const sumFont =
  '"DejaVu Sans Condensed", "Roboto Condensed", "Arial Narrow", "Liberation Sans Narrow", ' +
  '"Nimbus Sans Narrow", sans-serif-condensed, sans-serif';

// Below this size of a square (CSS pixels: a 15 x 15 board on a phone) the
// sums and notes grow a little and the sums turn bold, to stay legible.
const smallSquare = 32;

interface Ink {
  left: number;
  right: number;
  ascent: number;
  descent: number;
}

// Digits are centred on their ink rather than on the font's line box, so
// they sit in the middle of a square or a triangle at every size.
const inkCache = new Map<string, Ink>();

function inkOf(context: CanvasRenderingContext2D, text: string, font: string): Ink {
  const key = font + "\u0000" + text;
  let ink = inkCache.get(key);
  if (!ink) {
    context.font = font;
    const m = context.measureText(text);
    ink = {
      left: m.actualBoundingBoxLeft,
      right: m.actualBoundingBoxRight,
      ascent: m.actualBoundingBoxAscent,
      descent: m.actualBoundingBoxDescent,
    };
    inkCache.set(key, ink);
  }
  return ink;
}

function drawDigits(
  context: CanvasRenderingContext2D,
  text: string,
  x: number,
  y: number,
  inkHeight: number,
  maxWidth: number,
  colour: string,
  bold: boolean,
  family: string,
): void {
  const font = `${bold ? "bold " : ""}100px ${family}`;
  const ink = inkOf(context, text, font);
  const width = ink.left + ink.right;
  const height = ink.ascent + ink.descent;
  if (width <= 0 || height <= 0) return;
  const scale = Math.min(inkHeight / height, maxWidth / width);
  context.save();
  context.translate(x, y);
  context.scale(scale, scale);
  context.font = font;
  context.fillStyle = colour;
  context.textBaseline = "alphabetic";
  context.textAlign = "left";
  context.fillText(text, (ink.left - ink.right) / 2, (ink.ascent - ink.descent) / 2);
  context.restore();
}

interface Inks {
  fill: string;
  text: string;
  notes?: string;
  filled: boolean;
}

// The fill of an entry square in its state, in the scheme's colours.
export function fillOf(palette: PaletteJson, state: SquareState | undefined, mark: number | undefined): number {
  if (state === undefined || state === "plain") return palette.entry;
  if (state === "mark") return palette.marks[(mark ?? 1) - 1] ?? palette.entry;
  return palette.states[state];
}

function inksOf(square: Square, palette?: PaletteJson, runHighlight = false): Inks {
  if (palette) {
    switch (square.kind) {
      case "blank":
        return { filled: false, fill: "", text: "" };
      case "clue":
        return { filled: true, fill: cssColour(palette.clue), text: cssColour(palette.clueInk) };
      case "entry": {
        const state = square.state ?? "plain";
        const shaded = runHighlight && state === "plain" && square.inRun === true && square.selected !== true;
        return {
          filled: true,
          fill: cssColour(shaded ? palette.runShade : fillOf(palette, state, square.mark)),
          text: cssColour(palette.entryInk),
          notes: cssColour(palette.notesInk),
        };
      }
    }
  }
  switch (square.kind) {
    case "blank":
      return {
        filled: square.background !== undefined,
        fill: cssColour(square.background ?? 0),
        text: cssColour(square.text ?? 0xffffff),
      };
    case "clue":
      return {
        filled: true,
        fill: cssColour(square.background ?? 0),
        text: cssColour(square.text ?? 0xffffff),
      };
    case "entry":
      return {
        filled: true,
        fill: cssColour(square.background ?? 0xffffff),
        text: cssColour(square.text ?? 0),
      };
  }
}

// Every state of a square has a shape of its own besides its colour, as on
// the desktop: under the digit cross-hatching for a run with a digit twice
// and a single hatching for a run that misses its sum; over it a thick frame
// for the selected square, a ring for a wrong digit, a dashed frame for a
// square of the next step's reasoning, a double one for the square it
// decides, and a Mark's symbol in the corner (disc, triangle, square, diamond).
function hatch(context: CanvasRenderingContext2D, x: number, y: number, s: number, direction: number, ink: string, width: number): void {
  const gap = Math.max(0.2 * s, 3 * width);
  context.save();
  context.beginPath();
  context.rect(x, y, s, s);
  context.clip();
  context.strokeStyle = ink;
  context.lineWidth = width;
  context.lineCap = "butt";
  context.beginPath();
  for (let offset = -s; offset <= s; offset += gap) {
    if (direction > 0) {
      context.moveTo(x + offset, y + s);
      context.lineTo(x + offset + s, y);
    } else {
      context.moveTo(x + offset, y);
      context.lineTo(x + offset + s, y + s);
    }
  }
  context.stroke();
  context.restore();
}

function markSymbol(context: CanvasRenderingContext2D, cx: number, cy: number, r: number, mark: number, ink: string): void {
  context.fillStyle = ink;
  context.beginPath();
  if (mark === 1) context.arc(cx, cy, r, 0, 2 * Math.PI);
  else if (mark === 2) {
    context.moveTo(cx, cy - r);
    context.lineTo(cx + r, cy + 0.8 * r);
    context.lineTo(cx - r, cy + 0.8 * r);
  } else if (mark === 3) context.rect(cx - 0.85 * r, cy - 0.85 * r, 1.7 * r, 1.7 * r);
  else if (mark === 4) {
    context.moveTo(cx, cy - r);
    context.lineTo(cx + r, cy);
    context.lineTo(cx, cy + r);
    context.lineTo(cx - r, cy);
  }
  context.closePath();
  context.fill();
}

function withAlpha(colour: number, alpha: number): string {
  return `rgba(${(colour >> 16) & 255}, ${(colour >> 8) & 255}, ${colour & 255}, ${alpha})`;
}

export function paintStateUnderDigit(context: CanvasRenderingContext2D, x: number, y: number, s: number, state: SquareState | undefined, palette: PaletteJson, line: number): void {
  const faint = withAlpha(palette.shapeInk, 0.4);
  const width = Math.max(1.4 * line, 0.05 * s);
  if (state === "duplicate") {
    hatch(context, x, y, s, 1, faint, width);
    hatch(context, x, y, s, -1, faint, width);
  } else if (state === "wrongSum") hatch(context, x, y, s, 1, faint, width);
}

export function paintStateOverDigit(
  context: CanvasRenderingContext2D,
  x: number,
  y: number,
  s: number,
  state: SquareState | undefined,
  mark: number,
  selected: boolean,
  palette: PaletteJson,
  line: number,
): void {
  const ink = cssColour(palette.shapeInk);
  context.save();
  context.strokeStyle = ink;
  context.lineJoin = "miter";
  if (selected || state === "selected") {
    const frame = Math.max(0.1 * s, 2 * line);
    context.lineWidth = frame;
    context.strokeRect(x + frame / 2, y + frame / 2, s - frame, s - frame);
  }
  if (state === "wrongDigit") {
    context.lineWidth = Math.max(0.05 * s, 1.5 * line);
    context.beginPath();
    context.arc(x + s / 2, y + s / 2, 0.37 * s, 0, 2 * Math.PI);
    context.stroke();
  } else if (state === "hintUsed") {
    const width = Math.max(0.05 * s, line);
    context.lineWidth = width;
    context.setLineDash([3 * width, 2 * width]);
    context.strokeRect(x + 0.12 * s, y + 0.12 * s, 0.76 * s, 0.76 * s);
  } else if (state === "hintDecided") {
    context.lineWidth = Math.max(0.04 * s, line);
    context.strokeRect(x + 0.1 * s, y + 0.1 * s, 0.8 * s, 0.8 * s);
    context.strokeRect(x + 0.2 * s, y + 0.2 * s, 0.6 * s, 0.6 * s);
  } else if (state === "mark") markSymbol(context, x + 0.14 * s, y + 0.14 * s, 0.1 * s, mark, ink);
  context.restore();
}

// A state's sample for a legend or a Mark's swatch, on its own small canvas.
export function drawStateSample(
  canvas: HTMLCanvasElement,
  cssWidth: number,
  cssHeight: number,
  state: SquareState,
  mark: number,
  palette: PaletteJson,
): void {
  const ratio = window.devicePixelRatio || 1;
  canvas.style.width = `${cssWidth}px`;
  canvas.style.height = `${cssHeight}px`;
  canvas.width = Math.round(cssWidth * ratio);
  canvas.height = Math.round(cssHeight * ratio);
  const context = canvas.getContext("2d");
  if (!context) return;
  context.setTransform(ratio, 0, 0, ratio, 0, 0);
  context.fillStyle = cssColour(fillOf(palette, state, mark));
  context.fillRect(0, 0, cssWidth, cssHeight);
  const s = cssHeight;
  const x = (cssWidth - s) / 2;
  paintStateUnderDigit(context, x, 0, s, state, palette, 1);
  if (state === "mark") markSymbol(context, cssWidth / 2, s / 2, 0.3 * s, mark, cssColour(palette.shapeInk));
  else paintStateOverDigit(context, x, 0, s, state, mark, false, palette, 1);
}

export interface BoardEvents {
  tap(row: number, column: number): void;
  openMenu(row: number, column: number, cell: HTMLElement): void;
}

// A long press opens the square's menu as a right click does.
const longPressMs = 500;
// A finger that moves farther than this scrolls or zooms: no tap, no menu.
const slopPx = 10;

export class BoardView {
  readonly element: HTMLElement;
  private readonly canvas: HTMLCanvasElement;
  private readonly grid: HTMLElement;
  private board: BoardJson | undefined;
  private current: [number, number] | undefined;
  private palette: PaletteJson | undefined;
  private runHighlight = false;
  private cells: HTMLElement[][] = [];
  private labels: string[][] = [];
  private square = 0;
  private width = 0;
  private height = 0;
  private enabled = true;
  private pressTimer = 0;
  private pressStart: { x: number; y: number } | null = null;
  private menuOpenedByPress = false;
  private readonly announcer: HTMLElement;
  private announcedCell: HTMLElement | null = null;

  constructor(
    host: HTMLElement,
    label: string,
    private readonly events: BoardEvents | null,
  ) {
    this.element = host;
    host.classList.add("board-view");
    this.canvas = document.createElement("canvas");
    this.canvas.setAttribute("aria-hidden", "true");
    this.grid = document.createElement("div");
    this.grid.className = "board-grid";
    if (events) {
      this.grid.setAttribute("role", "grid");
      this.grid.setAttribute("aria-label", label);
      this.listen(events);
    } else {
      this.grid.setAttribute("role", "img");
      this.grid.setAttribute("aria-label", label);
    }
    this.announcer = document.createElement("div");
    this.announcer.className = "visually-hidden";
    this.announcer.setAttribute("aria-live", "polite");
    host.append(this.canvas, this.grid, this.announcer);
    let repaint = 0;
    window.visualViewport?.addEventListener("resize", () => {
      cancelAnimationFrame(repaint);
      repaint = requestAnimationFrame(() => this.paint());
    });
  }

  // The room the board may take, in CSS pixels; the squares are whole pixels.
  setRoom(width: number, height: number): void {
    if (width === this.width && height === this.height) return;
    this.width = width;
    this.height = height;
    this.layOut();
  }

  // The scheme's colours and the run highlight; without a palette the
  // picture's own colours (a task shown before it is played).
  setColours(palette: PaletteJson | undefined, runHighlight: boolean): void {
    this.palette = palette;
    this.runHighlight = runHighlight;
  }

  show(board: BoardJson | undefined, current: [number, number] | undefined, enabled: boolean): void {
    const sameShape =
      this.board !== undefined &&
      board !== undefined &&
      this.board.rows === board.rows &&
      this.board.columns === board.columns;
    this.board = board;
    this.current = current;
    this.enabled = enabled;
    this.grid.classList.toggle("disabled", !enabled);
    this.grid.setAttribute("aria-disabled", String(!enabled));
    if (!sameShape) this.layOut();
    else {
      this.paint();
      this.label();
    }
  }

  focusCurrent(): void {
    const cell = this.currentCell() ?? this.firstEntryCell();
    // The page does not jump on a phone when a window closes.
    if (cell && cell !== document.activeElement) cell.focus({ preventScroll: !this.hasFocus() });
  }

  // The next square to fill from the focused one (or from the first) in a
  // direction: where the arrows lead while no square is selected yet.
  entryBeside(rowStep: number, columnStep: number): [number, number] | null {
    const board = this.board;
    if (!board) return null;
    const focused = this.cellOf(document.activeElement);
    if (!focused) {
      const first = this.firstEntryCell();
      return first ? [Number(first.dataset.row), Number(first.dataset.column)] : null;
    }
    for (let r = focused.row + rowStep, c = focused.column + columnStep; r >= 1 && r <= board.rows && c >= 1 && c <= board.columns; r += rowStep, c += columnStep)
      if (this.isEntry(r, c)) return [r, c];
    return null;
  }

  hasFocus(): boolean {
    return this.grid.contains(document.activeElement);
  }

  private currentCell(): HTMLElement | undefined {
    if (!this.current) return undefined;
    return this.cells[this.current[0] - 1]?.[this.current[1] - 1];
  }

  private layOut(): void {
    const board = this.board;
    const rows = board?.rows ?? 0;
    const columns = board?.columns ?? 0;
    this.square =
      rows > 0 && columns > 0
        ? Math.max(
            8,
            Math.floor(
              Math.min(this.width / (columns + numberBand), this.height / (rows + numberBand)),
            ),
          )
        : 0;
    const s = this.square;
    const band = Math.round(numberBand * s);
    this.element.style.width = `${columns * s + band}px`;
    this.element.style.height = `${rows * s + band}px`;
    this.element.style.setProperty("--square", `${s}px`);
    this.grid.style.left = `${band}px`;
    this.grid.style.top = `${band}px`;
    this.buildCells(rows, columns);
    this.paint();
    this.label();
  }

  private buildCells(rows: number, columns: number): void {
    if (this.cells.length === rows && (this.cells[0]?.length ?? 0) === columns) return;
    this.grid.replaceChildren();
    this.cells = [];
    this.labels = [];
    const interactive = this.events !== null;
    for (let r = 1; r <= rows; ++r) {
      const rowElement = document.createElement("div");
      rowElement.className = "board-row";
      if (interactive) rowElement.setAttribute("role", "row");
      const row: HTMLElement[] = [];
      for (let c = 1; c <= columns; ++c) {
        const cell = document.createElement("div");
        cell.className = "board-cell";
        cell.dataset.row = String(r);
        cell.dataset.column = String(c);
        if (interactive) {
          cell.setAttribute("role", "gridcell");
          cell.tabIndex = -1;
        }
        rowElement.append(cell);
        row.push(cell);
      }
      this.grid.append(rowElement);
      this.cells.push(row);
      this.labels.push(new Array<string>(columns).fill(""));
    }
  }

  // Only the labels that changed are written: the DOM stays still while
  // "70" fills the board at its fastest.
  private label(): void {
    const board = this.board;
    if (!board || this.events === null) return;
    const current = this.currentCell() ?? this.firstEntryCell();
    const before = current?.getAttribute("aria-label") ?? null;
    for (let r = 0; r < this.cells.length; ++r) {
      for (let c = 0; c < this.cells[r].length; ++c) {
        const text = board.squares[r]?.[c]?.label ?? "";
        const cell = this.cells[r][c];
        if (this.labels[r][c] !== text) {
          cell.setAttribute("aria-label", text);
          this.labels[r][c] = text;
        }
        const selected = this.current !== undefined && this.current[0] === r + 1 && this.current[1] === c + 1;
        if (cell.getAttribute("aria-selected") !== String(selected))
          cell.setAttribute("aria-selected", String(selected));
        const tabIndex = cell === current ? 0 : -1;
        if (cell.tabIndex !== tabIndex) cell.tabIndex = tabIndex;
      }
    }
    // A digit or a note written on the selected square is said: a screen
    // reader reads a label when the focus comes, not when it changes.
    const after = current?.getAttribute("aria-label") ?? null;
    if (current && current === this.announcedCell && after !== before && this.enabled && after)
      this.announcer.textContent = after;
    this.announcedCell = current ?? null;
  }

  private firstEntryCell(): HTMLElement | undefined {
    const board = this.board;
    if (!board) return undefined;
    for (let r = 0; r < board.rows; ++r)
      for (let c = 0; c < board.columns; ++c)
        if (board.squares[r]?.[c]?.kind === "entry") return this.cells[r]?.[c];
    return this.cells[0]?.[0];
  }

  // Device pixels per CSS pixel: more while a finger zooms the page in, so
  // that the sums stay sharp (up to a canvas of some 4000 pixels a side).
  private pixelRatio(cssWidth: number): number {
    const zoom = Math.min(Math.max(window.visualViewport?.scale ?? 1, 1), 4);
    const ratio = (window.devicePixelRatio || 1) * zoom;
    return cssWidth > 0 ? Math.min(ratio, 4096 / cssWidth) : ratio;
  }

  private paint(): void {
    const board = this.board;
    const s = this.square;
    const band = Math.round(numberBand * s);
    const cssWidth = board ? board.columns * s + band : 0;
    const cssHeight = board ? board.rows * s + band : 0;
    const ratio = this.pixelRatio(cssWidth);
    const pixelWidth = Math.round(cssWidth * ratio);
    const pixelHeight = Math.round(cssHeight * ratio);
    if (this.canvas.width !== pixelWidth) this.canvas.width = pixelWidth;
    if (this.canvas.height !== pixelHeight) this.canvas.height = pixelHeight;
    this.canvas.style.width = `${cssWidth}px`;
    this.canvas.style.height = `${cssHeight}px`;
    const context = this.canvas.getContext("2d");
    if (!context) return;
    context.setTransform(1, 0, 0, 1, 0, 0);
    context.clearRect(0, 0, pixelWidth, pixelHeight);
    if (!board || s <= 0) return;
    context.scale(ratio, ratio);
    const line = Math.max(0.025 * s, 1 / ratio);
    const small = s < smallSquare;
    const palette = this.palette;

    for (let r = 1; r <= board.rows; ++r) {
      for (let c = 1; c <= board.columns; ++c) {
        const square = board.squares[r - 1]?.[c - 1];
        if (!square) continue;
        const inks = inksOf(square, palette, this.runHighlight);
        if (!inks.filled) continue;
        const x = band + (c - 1) * s;
        const y = band + (r - 1) * s;
        context.fillStyle = inks.fill;
        context.fillRect(x, y, s, s);
        if (square.kind === "clue") this.paintClue(context, x, y, s, square.across, square.down, inks.text, line, small);
        else if (square.kind === "entry") {
          if (palette) paintStateUnderDigit(context, x, y, s, square.state, palette, line);
          this.paintEntry(context, x, y, s, square, inks, line, small);
        }
      }
    }

    // The grid over the fills: every square drawn gets its outline.
    context.strokeStyle = palette ? cssColour(palette.grid) : "#000000";
    context.lineWidth = line;
    context.lineJoin = "miter";
    context.beginPath();
    for (let r = 1; r <= board.rows; ++r)
      for (let c = 1; c <= board.columns; ++c) {
        const square = board.squares[r - 1]?.[c - 1];
        if (square && inksOf(square, palette).filled) context.rect(band + (c - 1) * s, band + (r - 1) * s, s, s);
      }
    context.stroke();
    // The shapes over the grid, so that a frame keeps its whole width.
    if (palette)
      for (let r = 1; r <= board.rows; ++r)
        for (let c = 1; c <= board.columns; ++c) {
          const square = board.squares[r - 1]?.[c - 1];
          if (square?.kind !== "entry") continue;
          paintStateOverDigit(context, band + (c - 1) * s, band + (r - 1) * s, s, square.state, square.mark ?? 0, square.selected === true, palette, line);
        }
    const numberInk = palette ? cssColour(palette.numbers) : defaultNumberInk;

    const numberHeight = 0.22 * s * (small ? 1.35 : 1);
    for (let c = 1; c <= board.columns; ++c)
      drawDigits(context, String(c), band + (c - 0.5) * s, band / 2, numberHeight, 0.8 * s, numberInk, false, digitFont);
    for (let r = 1; r <= board.rows; ++r)
      drawDigits(context, String(r), band / 2, band + (r - 0.5) * s, numberHeight, band * 0.9, numberInk, false, digitFont);
  }

  private paintClue(
    context: CanvasRenderingContext2D,
    x: number,
    y: number,
    s: number,
    across: number,
    down: number,
    ink: string,
    line: number,
    small: boolean,
  ): void {
    context.strokeStyle = ink;
    context.lineWidth = line;
    context.lineCap = "butt";
    context.beginPath();
    context.moveTo(x, y);
    context.lineTo(x + s, y + s);
    context.stroke();
    // On a small square the sums take what their triangles hold, a little
    // nearer their corners: their boxes still end short of the diagonal.
    const height = (small ? 0.35 : 0.27) * s;
    const width = (small ? 0.48 : 0.44) * s;
    const family = small ? sumFont : digitFont;
    const [near, far] = small ? [0.27, 0.72] : [0.28, 0.71];
    if (across > 0) drawDigits(context, String(across), x + far * s, y + near * s, height, width, ink, small, family);
    if (down > 0) drawDigits(context, String(down), x + (1 - far) * s, y + (1 - near) * s, height, width, ink, small, family);
  }

  private paintEntry(
    context: CanvasRenderingContext2D,
    x: number,
    y: number,
    s: number,
    square: Extract<Square, { kind: "entry" }>,
    inks: Inks,
    line: number,
    small: boolean,
  ): void {
    if (square.digit >= 1 && square.digit <= 9) {
      drawDigits(context, String(square.digit), x + s / 2, y + s / 2, 0.5 * s, s, inks.text, true, digitFont);
      if (square.wrong) {
        context.strokeStyle = wrongRing;
        context.lineWidth = 1.5 * line;
        context.beginPath();
        context.arc(x + s / 2, y + s / 2, 0.36 * s, 0, 2 * Math.PI);
        context.stroke();
      }
      return;
    }
    // Notes: 1 top left ... 9 bottom right.
    for (const note of square.notes) {
      const d = note.charCodeAt(0) - 48;
      if (d < 1 || d > 9) continue;
      const cx = x + (0.2 + 0.3 * ((d - 1) % 3)) * s;
      const cy = y + (0.2 + 0.3 * Math.floor((d - 1) / 3)) * s;
      drawDigits(context, String(d), cx, cy, (small ? 0.24 : 0.2) * s, 0.3 * s, inks.notes ?? inks.text, small, digitFont);
    }
  }

  private cellOf(target: EventTarget | null): { row: number; column: number; cell: HTMLElement } | null {
    const cell = (target as HTMLElement | null)?.closest?.(".board-cell") as HTMLElement | null;
    if (!cell || !this.grid.contains(cell)) return null;
    return { row: Number(cell.dataset.row), column: Number(cell.dataset.column), cell };
  }

  private listen(events: BoardEvents): void {
    const grid = this.grid;
    // A click is a tap: the browser sends none after a finger scrolled or
    // pinched, so no digit is ever written by zooming.
    grid.addEventListener("click", (event) => {
      if (this.menuOpenedByPress) {
        this.menuOpenedByPress = false;
        return;
      }
      const at = this.cellOf(event.target);
      if (at && this.enabled) events.tap(at.row, at.column);
    });
    grid.addEventListener("contextmenu", (event) => {
      event.preventDefault();
      if (this.menuOpenedByPress) return;
      const at = this.cellOf(event.target);
      if (at && this.enabled && this.isEntry(at.row, at.column)) events.openMenu(at.row, at.column, at.cell);
    });
    grid.addEventListener("pointerdown", (event) => {
      this.cancelPress();
      this.menuOpenedByPress = false;
      if (event.pointerType === "mouse" || !event.isPrimary) return;
      const at = this.cellOf(event.target);
      if (!at || !this.isEntry(at.row, at.column)) return;
      this.pressStart = { x: event.clientX, y: event.clientY };
      this.pressTimer = window.setTimeout(() => {
        this.pressTimer = 0;
        this.pressStart = null;
        if (!this.enabled) return;
        this.menuOpenedByPress = true;
        events.openMenu(at.row, at.column, at.cell);
      }, longPressMs);
    });
    grid.addEventListener("pointermove", (event) => {
      if (!this.pressStart) return;
      if (Math.hypot(event.clientX - this.pressStart.x, event.clientY - this.pressStart.y) > slopPx)
        this.cancelPress();
    });
    for (const name of ["pointerup", "pointercancel", "pointerleave"] as const)
      grid.addEventListener(name, () => this.cancelPress());
    // A second finger: a pinch, never a press.
    grid.addEventListener("touchstart", (event) => {
      if (event.touches.length > 1) this.cancelPress();
    }, { passive: true });
    grid.addEventListener("keydown", (event) => {
      const at = this.cellOf(event.target);
      if (!at || !this.enabled) return;
      if (event.key === "Enter" || event.key === " ") {
        event.preventDefault();
        events.tap(at.row, at.column);
      } else if (event.key === "ContextMenu" || (event.key === "F10" && event.shiftKey)) {
        event.preventDefault();
        if (this.isEntry(at.row, at.column)) events.openMenu(at.row, at.column, at.cell);
      }
    });
  }

  // Only a square to fill has a menu, as on the desktop.
  private isEntry(row: number, column: number): boolean {
    return this.board?.squares[row - 1]?.[column - 1]?.kind === "entry";
  }

  private cancelPress(): void {
    if (this.pressTimer) window.clearTimeout(this.pressTimer);
    this.pressTimer = 0;
    this.pressStart = null;
  }
}
