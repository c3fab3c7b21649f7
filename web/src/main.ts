// The page: starts the core, hands it the player's taps, keys and files,
// and draws everything from its screen after every call.
import { BoardView, drawStateSample } from "./board.js";
import { CombinationsDialog, CombinationsJson } from "./combinations.js";
import { GameHandlers, ScreenJson, WebGame, cssColour, fetchBytes, loadCore, shippedFiles } from "./core.js";
import { Driver, InformationDialogs, LinkImportDialog, NewTaskDialog, RequestBox, TaskListDialog } from "./dialogs.js";
import { byId, setShown, setText } from "./dom.js";
import { copyText, download, linkOfAddress, pickFile, acceptOf, saveNameOf } from "./files.js";
import { HistoryButtons, Keypad, SquareMenu } from "./keypad.js";
import { keyName } from "./keys.js";
import { TaskMaker } from "./making.js";
import { MenuBar } from "./menus.js";

// The panels stand beside the board on a wide screen and on a phone held
// sideways (as style.css lays them out); the keypad joins them where the
// height is short or the width ample.
const besideQuery = "(min-width: 760px), (orientation: landscape) and (min-width: 560px)";
const keypadBesideQuery = "(min-width: 1000px), (orientation: landscape) and (min-width: 560px) and (max-height: 600px)";

class Page implements Driver {
  private screen!: ScreenJson;
  private readonly board: BoardView;
  private readonly menuBar: MenuBar;
  private readonly keypad: Keypad;
  private readonly history: HistoryButtons;
  private readonly squareMenu: SquareMenu;
  private readonly requestBox: RequestBox;
  private readonly taskList: TaskListDialog;
  private readonly newTask: NewTaskDialog;
  private readonly linkImport: LinkImportDialog;
  private readonly information: InformationDialogs;
  private readonly combinations: CombinationsDialog;
  private readonly maker: TaskMaker;
  private solverTimer = 0;
  private fileRequestOpen = false;
  private rendering = false;
  private renderAgain = false;
  private dialogWasOpen = false;

  constructor(private readonly game: WebGame, maker: TaskMaker) {
    this.maker = maker;
    this.board = new BoardView(byId("board"), "hrací plocha", {
      tap: (row, column) => this.act("tapSquare", row, column),
      openMenu: (row, column, cell) => {
        this.act("tapSquare", row, column);
        if (!this.screen.request && !this.screen.options.solving) this.squareMenu.open(this.screen, cell);
      },
    });
    const controls = { act: (action: string, a?: number) => this.act(action, a), key: (name: string) => this.key(name) };
    this.menuBar = new MenuBar(byId("menuBar"), {
      act: (action, a) => this.act(action, a),
      showRules: () => this.information.showRules(JSON.parse(this.game.rules())),
      showResults: () => this.information.showResults(JSON.parse(this.game.results())),
      showCombinations: () => this.combinations.open(),
    });
    this.keypad = new Keypad(byId("keypad"), controls);
    this.history = new HistoryButtons(byId("historyButtons"), byId("swatches"), controls);
    this.squareMenu = new SquareMenu(controls);
    this.requestBox = new RequestBox(this);
    this.taskList = new TaskListDialog(this);
    this.newTask = new NewTaskDialog(this);
    this.linkImport = new LinkImportDialog(this);
    this.information = new InformationDialogs();
    this.combinations = new CombinationsDialog({
      act: (action, a) => this.act(action, a),
      combinations: () => JSON.parse(this.game.combinations()) as CombinationsJson,
    });
    byId("whyButton").addEventListener("click", () => this.act("explainStep"));
    byId("startDaily").addEventListener("click", () => this.act("openDailyTask"));
    byId("startChoose").addEventListener("click", () => this.act("showTaskList"));
    byId("startNew").addEventListener("click", () => this.act("openNewTask"));
    byId("closeStepButton").addEventListener("click", () => this.act("closeStep"));
    byId("resumeButton").addEventListener("click", () => this.act("togglePause"));
    document.addEventListener("keydown", (event) => this.onKey(event));
    new ResizeObserver(() => this.fitBoard()).observe(byId("boardRoom"));
    window.addEventListener("resize", () => this.fitBoard());
  }

  // ---- calls into the game, each followed by a drawing ----

  act(action: string, a?: number, b?: number): void {
    if (a === undefined) this.game.act(action);
    else if (b === undefined) this.game.act(action, a);
    else this.game.act(action, a, b);
    this.render();
  }

  key(name: string): boolean {
    const taken = this.game.key(name);
    this.render();
    return taken;
  }

  setText(field: string, text: string): void {
    this.game.setText(field, text);
    this.render();
  }

  answer(answer: "yes" | "no" | "cancel"): void {
    this.game.answer(answer);
    this.render();
  }

  cancelNewTask(): void {
    const working = this.screen.newTask?.working ?? false;
    this.game.act("cancelNewTask");
    // A making cannot be stopped from outside but by ending its worker.
    if (working) this.maker.restart();
    this.render();
  }

  makingDone(id: number, result: string): void {
    this.game.makingDone(id, result);
    this.render();
  }

  openLink(link: string): void {
    this.game.openLink(link);
    this.render();
  }

  tick(): void {
    if (this.game.tick()) this.render();
  }

  setHidden(hidden: boolean): void {
    this.game.setHidden(hidden);
    this.render();
  }

  // The system's dark mode, followed until the player chooses "Barvy".
  setSystemDark(dark: boolean): void {
    this.game.setSystemDark(dark);
    this.render();
  }

  // ---- drawing ----

  render(): void {
    // A call made while drawing (a dialog's focus, a file answered) draws
    // once more when the drawing is done.
    if (this.rendering) {
      this.renderAgain = true;
      return;
    }
    this.rendering = true;
    try {
      do {
        this.renderAgain = false;
        this.screen = JSON.parse(this.game.screen()) as ScreenJson;
        // No hint panel at all comes as null.
        this.screen.hints ??= {};
        this.draw(this.screen);
      } while (this.renderAgain);
    } finally {
      this.rendering = false;
    }
  }

  private shownScheme = "";

  // The page in the scheme's colours: the board, its legends and swatches,
  // and in "tmavé" the whole page dark.
  private showColours(screen: ScreenJson): void {
    this.board.setColours(screen.palette, screen.display.runHighlight);
    // A scheme's colours are the scheme's own: drawn again only when it changes.
    if (screen.display.scheme === this.shownScheme) return;
    this.shownScheme = screen.display.scheme;
    document.body.classList.toggle("theme-dark", screen.display.scheme === "tmavé");
    const legends = [
      ["duplicateLegend", "duplicate"],
      ["wrongSumLegend", "wrongSum"],
    ] as const;
    for (const [id, state] of legends) {
      const legend = byId(id);
      legend.style.background = cssColour(screen.palette.states[state]);
      legend.style.color = cssColour(screen.palette.entryInk);
      const sample = legend.querySelector("canvas");
      if (sample) drawStateSample(sample, 14, 14, state, 0, screen.palette);
    }
    this.history.showColours(screen.palette);
  }

  private draw(screen: ScreenJson): void {
    const idle = !screen.options.solving;
    const boardFocused = this.board.hasFocus();
    setShown(byId("boardRoom"), screen.boardShown);
    // Without a task on the board: the way to one instead of a dead keypad.
    setShown(byId("startPanel"), !screen.boardShown);
    setShown(byId("keypad"), screen.boardShown);
    this.showColours(screen);
    // The clock stands and the board is covered until the player goes on.
    setShown(byId("pauseCover"), screen.paused);
    this.board.show(screen.boardShown ? screen.board : undefined, screen.current, idle);
    if (boardFocused) this.board.focusCurrent();
    this.fitBoard();

    // What is wrong with the task follows its name, as on the desktop.
    const taskName = screen.taskName.trim();
    const name = screen.taskProblem ? `${taskName} – ${screen.taskProblem}` : taskName;
    setText(byId("taskName"), name);
    const playClock = byId("playClock");
    setText(playClock, screen.playClock);
    setShown(playClock, screen.playClock !== "");
    const solverClock = byId("solverClock");
    setText(solverClock, screen.solverClock);
    setShown(solverClock, screen.solverClock !== "");
    setShown(byId("duplicateLegend"), screen.legends.duplicate);
    setShown(byId("wrongSumLegend"), screen.legends.wrongSum);

    // The task of the day is made without the dialog: the page says it works.
    const makingAlone = (screen.newTask?.working ?? false) && !(screen.newTask?.visible ?? false);
    setShown(byId("makingNote"), makingAlone);
    document.body.classList.toggle("busy", makingAlone);

    this.showHints(screen);
    this.showStep(screen);
    this.keypad.show(screen);
    this.history.show(screen);
    this.menuBar.show(screen);
    if (!idle && this.squareMenu.isOpen()) this.squareMenu.close();

    const openBefore = document.querySelectorAll("dialog[open]").length;
    this.taskList.show(screen.taskList);
    this.newTask.show(screen.newTask);
    this.linkImport.show(screen.linkImport);
    // The request comes last: its box stands over every other window.
    if (document.querySelectorAll("dialog[open]").length > openBefore) this.requestBox.raise();
    this.requestBox.show(screen.request);
    if (screen.request?.kind === "file") this.answerFileRequest(screen);
    this.paceSolver(screen);
    // A window of the game closed, or the focus nowhere: back to the board,
    // where the keys play.
    const dialogOpen = document.querySelector("dialog[open]") !== null;
    if (!dialogOpen && screen.boardShown && (this.dialogWasOpen || document.activeElement === document.body))
      this.board.focusCurrent();
    this.dialogWasOpen = dialogOpen;
  }

  private showHints(screen: ScreenJson): void {
    const panels: [string, string, string[] | undefined][] = [
      ["acrossPanel", "acrossHints", screen.hints.across],
      ["downPanel", "downHints", screen.hints.down],
      ["allowedPanel", "allowedDigits", screen.hints.allowed],
    ];
    for (const [panel, text, lines] of panels) {
      setShown(byId(panel), lines !== undefined);
      setText(byId(text), (lines ?? []).join("\n"));
    }
  }

  private showStep(screen: ScreenJson): void {
    const step = screen.step;
    setShown(byId("stepPanel"), step !== undefined);
    if (!step) return;
    setText(byId("stepHeadline"), step.headline);
    const explanation = byId("stepExplanation");
    setText(explanation, step.explanation.replace(/\r\n/g, "\n"));
    setShown(explanation, step.explanation !== "");
    setShown(byId("whyButton"), step.explanation === "");
    for (const id of ["whyButton", "closeStepButton"]) byId<HTMLButtonElement>(id).disabled = screen.options.solving;
  }

  private fitBoard(): void {
    this.placeKeypad();
    const room = byId("boardRoom");
    if (room.hidden) return;
    const width = room.clientWidth;
    const top = room.getBoundingClientRect().top + window.scrollY;
    const keypad = byId("keypad");
    const below = byId("legendLine").offsetHeight + (keypad.parentElement === byId("boardSide") ? keypad.offsetHeight : 0) + 24;
    // Beside the panels on a tall window the board keeps to the window's
    // height; on a phone, upright or sideways, it takes the width and the
    // page scrolls if it must.
    const heightBound = window.matchMedia(besideQuery).matches && window.innerHeight > 600;
    const height = heightBound ? window.innerHeight - top - below : Math.max(window.innerHeight - top - below, width);
    this.board.setRoom(width, Math.max(160, height));
    // The name, the clocks and the keypad keep to the board's width.
    const boardWidth = this.board.element.style.width;
    if (document.documentElement.style.getPropertyValue("--board-width") !== boardWidth)
      document.documentElement.style.setProperty("--board-width", boardWidth);
  }

  // On a wide screen the keypad stands beside the board, at the top of the
  // panels, and the board takes the window's height; otherwise under it.
  private placeKeypad(): void {
    const keypad = byId("keypad");
    const beside = window.matchMedia(keypadBesideQuery).matches;
    const home = beside ? byId("panels") : byId("boardSide");
    if (keypad.parentElement === home) return;
    if (beside) home.prepend(keypad);
    else home.append(keypad);
  }

  // ---- the parts of the browser the game asks for ----

  private answerFileRequest(screen: ScreenJson): void {
    const file = screen.request?.file;
    if (!file || this.fileRequestOpen) return;
    this.fileRequestOpen = true;
    if (file.forSaving) {
      queueMicrotask(() => {
        this.fileRequestOpen = false;
        this.game.answerFile(saveNameOf(file, screen.taskName));
        const written = this.game.takeDownload();
        if (written) download(written.name, written.bytes);
        this.render();
      });
      return;
    }
    pickFile(acceptOf(file.filterPattern), (chosen) => {
      this.fileRequestOpen = false;
      if (chosen) {
        this.game.putChosen(chosen.name, chosen.bytes);
        this.game.answerFile(chosen.name);
      } else this.game.answerFile(null);
      this.render();
    });
  }

  // "70": the game's solver runs in slices at the pace it asks for.
  private paceSolver(screen: ScreenJson): void {
    if (!screen.options.solving || this.solverTimer) return;
    this.solverTimer = window.setTimeout(() => this.advanceSolver(), 0);
  }

  private advanceSolver(): void {
    this.solverTimer = 0;
    const next = this.game.advance();
    if (next >= 0) this.solverTimer = window.setTimeout(() => this.advanceSolver(), next);
    this.render();
  }

  // ---- keys ----

  private onKey(event: KeyboardEvent): void {
    if (event.defaultPrevented || event.isComposing) return;
    if (document.querySelector("dialog[open]") || this.menuBar.isOpen() || this.squareMenu.isOpen()) return;
    const target = event.target as HTMLElement;
    if (target.closest("input, textarea, select, #menuBar")) return;
    const name = keyName(event);
    if (!name) return;
    // Before any square is selected the game's arrows have nothing to move:
    // on the board they select the next square to fill that way.
    const steps: Record<string, [number, number]> = { ArrowLeft: [0, -1], ArrowRight: [0, 1], ArrowUp: [-1, 0], ArrowDown: [1, 0] };
    if (name in steps && this.board.hasFocus() && !this.screen.current && !this.screen.options.solving) {
      event.preventDefault();
      const next = this.board.entryBeside(...steps[name]);
      if (next) this.act("tapSquare", next[0], next[1]);
      this.board.focusCurrent();
      return;
    }
    // Enter and Space stay with the buttons; a digit or an arrow is the
    // board's wherever the focus is.
    if (this.key(name)) event.preventDefault();
  }
}

async function startPage(): Promise<void> {
  const note = byId("loadingNote");
  try {
    const [core, ...files] = await Promise.all([loadCore(), ...shippedFiles.map((name) => fetchBytes(name))]);
    let page: Page | null = null;
    const maker = new TaskMaker((id, result) => page?.makingDone(id, result));
    const handlers: GameHandlers = {
      copyToClipboard: (text) => copyText(text),
      startMaking: (id, request) => maker.start(id, request),
    };
    const game = new core.WebGame(handlers);
    shippedFiles.forEach((name, index) => game.putShipped(name, files[index]));
    game.start(location.origin + location.pathname);
    page = new Page(game, maker);
    byId("play").hidden = false;
    note.hidden = true;
    page.render();
    const link = linkOfAddress(location);
    if (link !== null) {
      // Taken once: a reload does not import it again.
      history.replaceState(null, "", location.pathname);
      page.openLink(link);
    }
    // When the board first answered a tap, in ms from the start of the
    // navigation (for the tests and the start-up benchmark).
    document.body.dataset.ready = String(Math.round(performance.now()));
    const shown = page;
    window.setInterval(() => shown.tick(), 250);
    document.addEventListener("visibilitychange", () => shown.setHidden(document.hidden));
    window.addEventListener("pagehide", () => shown.setHidden(true));
    const dark = window.matchMedia("(prefers-color-scheme: dark)");
    shown.setSystemDark(dark.matches);
    dark.addEventListener("change", () => shown.setSystemDark(dark.matches));
    // The worker's own core loads once the page plays, not before.
    window.setTimeout(() => maker.prepare(), 1500);
  } catch (error) {
    note.textContent = `Hru se nepodařilo spustit: ${error instanceof Error ? error.message : String(error)}`;
    note.classList.add("error");
    console.error(error);
  }
}

// A fault of the page or the core is said, not left as a page that stops
// answering; the game, kept after every move, comes back on a reload.
function sayFailure(error: unknown): void {
  const note = byId("failureNote");
  const text = error instanceof Error ? error.message : String(error);
  note.textContent = `Ve hře nastala chyba (${text}). Obnovte stránku; hra se ukládá po každém tahu.`;
  note.hidden = false;
}
window.addEventListener("error", (event) => sayFailure(event.error ?? event.message));
window.addEventListener("unhandledrejection", (event) => sayFailure(event.reason));

// The page offline: the service worker keeps its files. Registered once
// the game plays, so that its downloads do not slow the first start.
function keepOffline(): void {
  if (!("serviceWorker" in navigator) || !window.isSecureContext) return;
  navigator.serviceWorker.register("service-worker.js").catch((error) => console.warn("service worker:", error));
}

void startPage().then(keepOffline);
