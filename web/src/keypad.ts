// The controls under and beside the board: the keypad (1–9, "vymaž",
// "poznámky", "zpět", "vpřed"), the history buttons with the Marks'
// swatches, and the square's menu that a long press or a right click opens.
import { drawStateSample } from "./board.js";
import { PaletteJson, ScreenJson } from "./core.js";
import { el, setEnabled, setShown } from "./dom.js";

export interface ControlActions {
  act(action: string, a?: number): void;
  key(name: string): void;
}

export class Keypad {
  private readonly digits: HTMLButtonElement[] = [];
  private readonly erase: HTMLButtonElement;
  private readonly notes: HTMLButtonElement;
  private readonly undo: HTMLButtonElement;
  private readonly redo: HTMLButtonElement;

  constructor(host: HTMLElement, actions: ControlActions) {
    // The digits go through the game's keys: in the notes mode a digit is a
    // note, as on the desktop's keyboard.
    const digitRow = el("div", { className: "digits" });
    for (let d = 1; d <= 9; ++d) {
      const button = el("button", { type: "button", className: "digit", text: String(d), onclick: () => actions.key(String(d)) });
      this.digits.push(button);
      digitRow.append(button);
    }
    this.erase = el("button", { type: "button", text: "vymaž", onclick: () => actions.key("Delete") });
    this.notes = el("button", { type: "button", className: "switch", "aria-pressed": "false", text: "poznámky", onclick: () => actions.act("toggleNotesMode") });
    this.undo = el("button", { type: "button", text: "zpět", title: "zpět o 1 tah", onclick: () => actions.act("undoMove") });
    this.redo = el("button", { type: "button", text: "vpřed", title: "znovu o 1 tah", onclick: () => actions.act("redoMove") });
    host.append(digitRow, el("div", { className: "commands" }, this.erase, this.notes, this.undo, this.redo));
    // The keypad never takes the focus from the board on a tap, so the
    // keys keep working on the selected square.
    host.addEventListener("mousedown", (event) => {
      if ((event.target as HTMLElement).closest("button")) event.preventDefault();
    });
  }

  show(screen: ScreenJson): void {
    const idle = !screen.options.solving && !screen.paused;
    const board = screen.boardShown && screen.current !== undefined;
    // In the notes mode a digit is a note, and notes are the player's own:
    // any digit, whatever the hints allow.
    const allowed = new Set(screen.notesMode ? [1, 2, 3, 4, 5, 6, 7, 8, 9] : screen.menu.digits);
    this.digits.forEach((button, index) => setEnabled(button, idle && board && allowed.has(index + 1)));
    setEnabled(this.erase, idle && board);
    setEnabled(this.notes, idle && screen.buttons.notes);
    this.notes.setAttribute("aria-pressed", String(screen.notesMode));
    setEnabled(this.undo, idle && screen.buttons.undo);
    setEnabled(this.redo, idle && screen.buttons.redo);
  }
}

export class HistoryButtons {
  private readonly mark: HTMLButtonElement;
  private readonly undoToMark: HTMLButtonElement;
  private readonly check: HTMLButtonElement;
  private readonly stop: HTMLButtonElement;
  private readonly swatches: HTMLButtonElement[] = [];

  constructor(host: HTMLElement, swatchHost: HTMLElement, actions: ControlActions) {
    this.mark = el("button", { type: "button", text: "nastav značku", onclick: () => actions.act("setMark") });
    this.undoToMark = el("button", { type: "button", text: "zpět ke značce", onclick: () => actions.act("undoToMark") });
    this.check = el("button", { type: "button", text: " proveď kontroly", onclick: () => actions.act("checkWholeBoard") });
    this.stop = el("button", { type: "button", className: "stop", text: "přeruš", onclick: () => actions.act("stopSolving") });
    host.append(this.mark, this.undoToMark, this.check, this.stop);
    // A click shows where the Mark's moves are, a double click (or Delete)
    // removes the Mark; a double click also sends two clicks first,
    // harmless here.
    for (let mark = 1; mark <= 4; ++mark) {
      const swatch = el("button", {
        type: "button",
        className: "swatch",
        "aria-label": `značka ${mark}`,
        title: "klepnutím ukážete tahy od značky, dvojklepnutím nebo klávesou Delete značku odstraníte",
        onclick: () => actions.act("highlightMark", mark),
        ondblclick: () => actions.act("removeMark", mark),
      });
      swatch.addEventListener("keydown", (event) => {
        if (event.key !== "Delete" && event.key !== "Backspace") return;
        event.preventDefault();
        event.stopPropagation();
        actions.act("removeMark", mark);
      });
      // The Mark's colour and its symbol, as the board shows them.
      swatch.append(el("canvas", { "aria-hidden": "true" }));
      this.swatches.push(swatch);
      swatchHost.append(swatch);
    }
  }

  show(screen: ScreenJson): void {
    const idle = !screen.options.solving && !screen.paused;
    const b = screen.buttons;
    for (const [button, shown] of [
      [this.mark, b.mark],
      [this.undoToMark, b.undoToMark],
      [this.check, b.check],
    ] as const) {
      setShown(button, shown);
      setEnabled(button, idle);
    }
    setShown(this.stop, b.stop);
    this.swatches.forEach((swatch, index) => {
      const shown = screen.swatches.find((s) => s.mark === index + 1);
      setShown(swatch, shown !== undefined);
      setEnabled(swatch, idle);
    });
  }

  showColours(palette: PaletteJson): void {
    this.swatches.forEach((swatch, index) => {
      const sample = swatch.querySelector("canvas");
      if (sample) drawStateSample(sample, 34, 20, "mark", index + 1, palette);
    });
  }
}

// The square's menu: "vymaž", the digits the hints allow, and the notes
// ("poznámka"), ticked as they stand.
export class SquareMenu {
  private readonly popup: HTMLElement;
  private readonly digits: HTMLButtonElement[] = [];
  private readonly notes: HTMLButtonElement[] = [];
  private readonly noteTitle: HTMLElement;
  private returnFocus: HTMLElement | null = null;

  constructor(actions: ControlActions) {
    this.popup = el("div", { role: "menu", id: "squareMenu", className: "square-menu", "aria-label": "pole" });
    this.popup.hidden = true;
    const run = (action: string, a?: number) => () => {
      this.close();
      actions.act(action, a);
    };
    const erase = el("button", { type: "button", role: "menuitem", className: "erase", text: "vymaž", onclick: run("eraseSquare") });
    const digitGrid = el("div", { className: "menu-digits", role: "group", "aria-label": "cifry" });
    for (let d = 1; d <= 9; ++d) {
      const button = el("button", { type: "button", role: "menuitem", text: String(d), onclick: run("chooseDigit", d) });
      this.digits.push(button);
      digitGrid.append(button);
    }
    this.noteTitle = el("div", { className: "group-title", "aria-hidden": "true", text: "poznámka" });
    const noteGrid = el("div", { className: "menu-digits notes", role: "group", "aria-label": "poznámka" });
    for (let d = 1; d <= 9; ++d) {
      const button = el("button", { type: "button", role: "menuitemcheckbox", "aria-label": `poznámka ${d}`, text: String(d), onclick: run("chooseNote", d) });
      this.notes.push(button);
      noteGrid.append(button);
    }
    this.popup.append(erase, digitGrid, this.noteTitle, noteGrid);
    document.body.append(this.popup);
    this.popup.addEventListener("keydown", (event) => this.onKey(event));
    document.addEventListener("pointerdown", (event) => {
      if (!this.popup.hidden && !this.popup.contains(event.target as Node)) this.close();
    });
  }

  isOpen(): boolean {
    return !this.popup.hidden;
  }

  open(screen: ScreenJson, at: HTMLElement): void {
    const allowed = new Set(screen.menu.digits);
    const ticked = new Set(screen.menu.notes);
    this.digits.forEach((button, index) => setEnabled(button, allowed.has(index + 1)));
    this.notes.forEach((button, index) => {
      setEnabled(button, screen.menu.notesEnabled);
      button.setAttribute("aria-checked", String(ticked.has(index + 1)));
    });
    this.noteTitle.classList.toggle("off", !screen.menu.notesEnabled);
    this.returnFocus = at;
    this.popup.hidden = false;
    // Beside the square, inside the window.
    const square = at.getBoundingClientRect();
    const menu = this.popup.getBoundingClientRect();
    const left = Math.min(Math.max(4, square.right + 4), window.innerWidth - menu.width - 4);
    let top = square.top;
    if (top + menu.height > window.innerHeight - 4) top = Math.max(4, window.innerHeight - menu.height - 4);
    this.popup.style.left = `${Math.max(4, left) + window.scrollX}px`;
    this.popup.style.top = `${top + window.scrollY}px`;
    this.buttons()[0]?.focus();
  }

  close(): void {
    if (this.popup.hidden) return;
    this.popup.hidden = true;
    this.returnFocus?.focus();
    this.returnFocus = null;
  }

  private buttons(): HTMLButtonElement[] {
    return Array.from(this.popup.querySelectorAll<HTMLButtonElement>("button:not(:disabled)"));
  }

  private onKey(event: KeyboardEvent): void {
    const buttons = this.buttons();
    const at = buttons.indexOf(event.target as HTMLButtonElement);
    if (event.key === "Escape") this.close();
    else if (event.key === "ArrowDown" || event.key === "ArrowRight") buttons[(at + 1) % buttons.length]?.focus();
    else if (event.key === "ArrowUp" || event.key === "ArrowLeft") buttons[(at + buttons.length - 1) % buttons.length]?.focus();
    else if (event.key === "Tab") {
      event.preventDefault();
      buttons[(at + (event.shiftKey ? buttons.length - 1 : 1)) % buttons.length]?.focus();
      return;
    } else return;
    event.preventDefault();
    event.stopPropagation();
  }
}
