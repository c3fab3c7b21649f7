// The core module (krizovky-core.js, the C++ game built to WebAssembly) as
// the page sees it, and the JSON texts it hands over.

export interface GameHandlers {
  copyToClipboard(text: string): void;
  startMaking(id: number, requestJson: string): void;
}

export interface WebGame {
  putShipped(name: string, bytes: Uint8Array): void;
  start(address: string): void;
  openLink(link: string): void;
  screen(): string;
  results(): string;
  rules(): string;
  combinations(): string;
  act(action: string, a?: number, b?: number): void;
  key(name: string): boolean;
  setText(field: string, text: string): void;
  answer(answer: "yes" | "no" | "cancel"): void;
  answerFile(name: string | null): void;
  putChosen(name: string, bytes: Uint8Array): void;
  takeDownload(): { name: string; bytes: Uint8Array } | null;
  advance(): number;
  tick(): boolean;
  makingDone(id: number, resultJson: string): void;
  setHidden(hidden: boolean): void;
  setSystemDark(dark: boolean): void;
  delete(): void;
}

export interface TaskWorkshop {
  make(requestJson: string): string;
  delete(): void;
}

export interface CoreModule {
  WebGame: new (handlers: GameHandlers) => WebGame;
  TaskWorkshop: new (combinations: Uint8Array, structures: Uint8Array) => TaskWorkshop;
}

type CoreFactory = () => Promise<CoreModule>;

// The module lies beside the page's scripts and is loaded as it is, not
// bundled: Emscripten's loader finds its .wasm beside itself.
export async function loadCore(): Promise<CoreModule> {
  const url = new URL("./krizovky-core.js", import.meta.url).href;
  const module = (await import(/* @vite-ignore */ url)) as { default: CoreFactory };
  return module.default();
}

export async function fetchBytes(name: string): Promise<Uint8Array> {
  const response = await fetch(new URL(name, import.meta.url));
  if (!response.ok) throw new Error(`${name}: ${response.status} ${response.statusText}`);
  return new Uint8Array(await response.arrayBuffer());
}

export const shippedFiles = ["krizovky.DEF", "krizovky.KRI", "krizovky.VZR", "krizovky.PRA"];

// ---- screen() ----

export interface BlankSquare {
  kind: "blank";
  label: string;
  background?: number;
  text?: number;
}
export interface ClueSquare {
  kind: "clue";
  label: string;
  across: number;
  down: number;
  background?: number;
  text?: number;
}
export type SquareState = "plain" | "selected" | "duplicate" | "wrongSum" | "mark" | "hintUsed" | "hintDecided" | "wrongDigit";
export interface EntrySquare {
  kind: "entry";
  label: string;
  digit: number;
  notes: string;
  background?: number;
  text?: number;
  wrong?: boolean;
  // What the square's colour says, the selected square, its runs' squares.
  state?: SquareState;
  mark?: number;
  selected?: boolean;
  inRun?: boolean;
}

// The colours of the scheme the board is drawn in, 0xRRGGBB.
export interface PaletteJson {
  clue: number;
  clueInk: number;
  entry: number;
  entryInk: number;
  notesInk: number;
  grid: number;
  runShade: number;
  shapeInk: number;
  numbers: number;
  states: Record<"selected" | "duplicate" | "wrongSum" | "hintUsed" | "hintDecided" | "wrongDigit", number>;
  marks: number[]; // Marks 1..4
}

export const colourSchemes = ["klasické", "pro barvoslepé", "tmavé"] as const;
export type Square = BlankSquare | ClueSquare | EntrySquare;

export interface BoardJson {
  rows: number;
  columns: number;
  squares: Square[][];
}

export type RequestKind =
  | "message"
  | "error"
  | "failure"
  | "yesNo"
  | "yesNoCancel"
  | "solverQuestion"
  | "file";

export interface FileRequest {
  title: string;
  filterName: string;
  filterPattern: string;
  forSaving: boolean;
  fileName?: string;
}

export interface RequestJson {
  kind: RequestKind;
  text: string;
  title?: string;
  file?: FileRequest;
}

export interface TaskListJson {
  visible: boolean;
  items: string[];
  emptyListText: string;
  selected: number;
  solved: Record<string, string>;
  inProgress: Record<string, string>;
  descriptions: string[];
  ownTasksSwitch: boolean;
  ownTasks: boolean;
  dailyStatus: string;
}

export interface NewTaskJson {
  visible: boolean;
  grade: number;
  grades: string[];
  size: number;
  sizes: string[];
  number: number;
  working: boolean;
  workingShown: boolean;
  attempt: number;
  maxAttempts: number;
}

export interface LinkImportJson {
  visible: boolean;
  text: string;
  name: string;
  refusal: string;
  board?: BoardJson;
}

export interface ScreenJson {
  boardShown: boolean;
  board?: BoardJson;
  current?: [number, number];
  taskName: string;
  taskProblem: string;
  hints: { across?: string[]; down?: string[]; allowed?: string[] };
  step?: { headline: string; explanation: string };
  buttons: {
    undo: boolean;
    redo: boolean;
    mark: boolean;
    undoToMark: boolean;
    check: boolean;
    notes: boolean;
    stop: boolean;
  };
  notesMode: boolean;
  paused: boolean;
  swatches: { mark: number; colour: number }[];
  legends: { duplicate: boolean; wrongSum: boolean };
  menu: { digits: number[]; notesEnabled: boolean; notes: number[] };
  playClock: string;
  solverClock: string;
  loading?: boolean;
  options: {
    iq: number;
    autoFill: boolean;
    checking: boolean;
    eraseNotes: boolean;
    solverSpeed: "step" | "smooth" | "fastest";
    solving: boolean;
  };
  display: { colours: string | null; scheme: string; runHighlight: boolean };
  palette: PaletteJson;
  request?: RequestJson;
  taskList?: TaskListJson;
  newTask?: NewTaskJson;
  linkImport?: LinkImportJson;
}

export interface TableJson {
  columns: string[];
  numeric: boolean[];
  rows: string[][];
}

// The times of a grade's latest results, to plot.
export interface TimesJson {
  grade: string;
  points: { finishedAt: string; seconds: number; unaided: boolean }[];
}

export interface ResultsJson {
  grades: TableJson;
  streaks: string; // "úloha dne: řada 3 dny, nejdelší 5 dní"
  streak: number;
  longestStreak: number;
  times: TimesJson[];
  latest: TableJson;
}

export interface RulesJson {
  lines: string[];
  problem: string;
}

export function cssColour(colour: number): string {
  return "#" + (colour & 0xffffff).toString(16).padStart(6, "0");
}
