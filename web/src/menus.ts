// The menu bar (buttons that open menus) with the desktop's menus and texts: "Hra", "Volby",
// "Informace", "Pomoc". Submenus ("IQ", "Rychlost řešení") stand inline as
// groups, which a finger reaches as easily as a mouse. The ticks are the
// game's, read from the screen after every call.
import { ScreenJson, colourSchemes } from "./core.js";
import { el } from "./dom.js";

export interface MenuActions {
  act(action: string, a?: number): void;
  showRules(): void;
  showResults(): void;
  showCombinations(): void;
}

interface Command {
  text: string;
  run(actions: MenuActions): void;
  enabled?(screen: ScreenJson): boolean;
  checked?(screen: ScreenJson): boolean;
  radio?: boolean;
}
type Entry = Command | { group: string; items: Command[] } | "separator";

const act = (action: string, a?: number) => (actions: MenuActions) => actions.act(action, a);

const menus: { text: string; entries: Entry[] }[] = [
  {
    text: "Hra",
    entries: [
      { text: "Úloha dne", run: act("openDailyTask") },
      { text: "Nová úloha…", run: act("openNewTask") },
      { text: "Výběr úlohy", run: act("showTaskList") },
      { text: "Znovu", run: act("reloadTask") },
      { text: "Pauza", run: act("togglePause"), checked: (s) => s.paused, enabled: (s) => s.boardShown },
      { text: "Zpět o tah", run: act("undoMove"), enabled: (s) => s.buttons.undo },
      { text: "Vpřed o tah", run: act("redoMove"), enabled: (s) => s.buttons.redo },
      { text: "Ulož", run: act("saveGame"), enabled: (s) => s.boardShown },
      { text: "Načti", run: act("loadGame") },
      "separator",
      { text: "Vložit úlohu z odkazu…", run: act("openLinkImport") },
      { text: "Kopírovat odkaz na úlohu", run: act("copyTaskLink"), enabled: (s) => s.boardShown },
    ],
  },
  {
    text: "Volby",
    entries: [
      {
        group: "IQ",
        items: [
          { text: "70", run: act("askToSolve"), enabled: (s) => s.boardShown },
          ...[100, 130, 160].map((iq) => ({
            text: String(iq),
            run: act("setLevel", iq),
            checked: (s: ScreenJson) => s.options.iq === iq,
            radio: true,
          })),
        ],
      },
      "separator",
      { text: "Doplňovat", run: act("toggleAutoFill"), checked: (s) => s.options.autoFill },
      { text: "Kontrolovat", run: act("toggleChecking"), checked: (s) => s.options.checking },
      {
        group: "Rychlost řešení",
        items: (["krokovat", "plynule", "co nejrychleji"] as const).map((text, index) => ({
          text,
          run: act("setSolverSpeed", index),
          checked: (s: ScreenJson) => s.options.solverSpeed === (["step", "smooth", "fastest"] as const)[index],
          radio: true,
        })),
      },
      "separator",
      { text: "Mazat poznámky", run: act("toggleEraseNotes"), checked: (s) => s.options.eraseNotes },
      "separator",
      {
        group: "Barvy",
        items: colourSchemes.map((text, index) => ({
          text,
          run: act("chooseColours", index),
          checked: (s: ScreenJson) => s.display.scheme === text,
          radio: true,
        })),
      },
      { text: "Zvýrazňovat úseky", run: act("toggleRunHighlight"), checked: (s) => s.display.runHighlight },
    ],
  },
  {
    text: "Informace",
    entries: [
      { text: "Pravidla", run: (actions) => actions.showRules() },
      { text: "Moje výsledky", run: (actions) => actions.showResults() },
    ],
  },
  {
    text: "Pomoc",
    entries: [
      { text: "Další krok", run: act("showNextStep"), enabled: (s) => s.boardShown },
      { text: "Je to zatím správně?", run: act("verifyBoard"), enabled: (s) => s.boardShown },
      { text: "Ukaž chyby", run: act("showErrors"), enabled: (s) => s.boardShown },
      { text: "Vyplň poznámky", run: act("fillNotes"), enabled: (s) => s.boardShown },
      { text: "Tabulka kombinací", run: (actions) => actions.showCombinations() },
    ],
  },
];

interface ShownItem {
  command: Command;
  element: HTMLButtonElement;
}

export class MenuBar {
  private readonly tops: HTMLButtonElement[] = [];
  private readonly popups: HTMLElement[] = [];
  private readonly items: ShownItem[] = [];
  private openIndex = -1;
  private screen: ScreenJson | null = null;

  constructor(private readonly bar: HTMLElement, private readonly actions: MenuActions) {
    menus.forEach((menu, index) => this.build(menu.text, menu.entries, index));
    document.addEventListener("pointerdown", (event) => {
      if (this.openIndex >= 0 && !this.bar.contains(event.target as Node)) this.close(false);
    });
    this.bar.addEventListener("keydown", (event) => this.onKey(event));
  }

  isOpen(): boolean {
    return this.openIndex >= 0;
  }

  private build(text: string, entries: Entry[], index: number): void {
    const popup = el("div", { role: "menu", className: "menu-popup", id: `menu${index}`, "aria-label": text });
    popup.hidden = true;
    const top = el("button", {
      type: "button",
      className: "menu-top",
      "aria-haspopup": "menu",
      "aria-expanded": "false",
      "aria-controls": popup.id,
      tabindex: index === 0 ? 0 : -1,
      text,
    });
    top.addEventListener("click", () => (this.openIndex === index ? this.close(true) : this.open(index, false)));
    top.addEventListener("pointerenter", () => {
      if (this.openIndex >= 0 && this.openIndex !== index) this.open(index, false);
    });
    for (const entry of entries) {
      if (entry === "separator") popup.append(el("div", { role: "separator", className: "separator" }));
      else if ("group" in entry) {
        const group = el("div", { role: "group", "aria-label": entry.group, className: "menu-group" });
        group.append(el("div", { className: "group-title", "aria-hidden": "true", text: entry.group }));
        for (const command of entry.items) group.append(this.item(command));
        popup.append(group);
      } else popup.append(this.item(entry));
    }
    const wrapper = el("div", { className: "menu" }, top, popup);
    this.bar.append(wrapper);
    this.tops.push(top);
    this.popups.push(popup);
  }

  private item(command: Command): HTMLButtonElement {
    const role = command.checked ? (command.radio ? "menuitemradio" : "menuitemcheckbox") : "menuitem";
    const element = el("button", { type: "button", role, tabindex: -1, className: "menu-item" },
      el("span", { className: "tick", "aria-hidden": "true" }),
      command.text,
    );
    element.addEventListener("click", () => {
      if (element.getAttribute("aria-disabled") === "true") return;
      this.close(true);
      command.run(this.actions);
    });
    this.items.push({ command, element });
    return element;
  }

  // Everything is off while the solver runs ("70"): only "přeruš" answers.
  show(screen: ScreenJson): void {
    this.screen = screen;
    const solving = screen.options.solving;
    for (const top of this.tops) top.disabled = solving;
    if (solving && this.openIndex >= 0) this.close(false);
    for (const { command, element } of this.items) {
      const enabled = !solving && (command.enabled?.(screen) ?? true);
      element.setAttribute("aria-disabled", String(!enabled));
      if (command.checked) element.setAttribute("aria-checked", String(command.checked(screen)));
    }
  }

  private open(index: number, focusFirst: boolean): void {
    if (this.screen?.options.solving) return;
    if (this.openIndex >= 0 && this.openIndex !== index) this.close(false);
    this.openIndex = index;
    this.tops[index].setAttribute("aria-expanded", "true");
    this.popups[index].hidden = false;
    this.setRoving(index);
    if (focusFirst) this.menuItems(index)[0]?.focus();
  }

  close(focusTop: boolean): void {
    const index = this.openIndex;
    if (index < 0) return;
    this.openIndex = -1;
    this.tops[index].setAttribute("aria-expanded", "false");
    this.popups[index].hidden = true;
    if (focusTop) this.tops[index].focus();
  }

  private setRoving(index: number): void {
    this.tops.forEach((top, i) => (top.tabIndex = i === index ? 0 : -1));
  }

  private menuItems(index: number): HTMLButtonElement[] {
    return Array.from(this.popups[index].querySelectorAll<HTMLButtonElement>(".menu-item"));
  }

  private onKey(event: KeyboardEvent): void {
    const target = event.target as HTMLElement;
    const topIndex = this.tops.indexOf(target as HTMLButtonElement);
    const count = this.tops.length;
    if (topIndex >= 0) {
      if (event.key === "ArrowRight" || event.key === "ArrowLeft") {
        const next = (topIndex + (event.key === "ArrowRight" ? 1 : count - 1)) % count;
        this.setRoving(next);
        this.tops[next].focus();
        if (this.openIndex >= 0) this.open(next, false);
      } else if (event.key === "ArrowDown" || event.key === "Enter" || event.key === " ") {
        this.open(topIndex, true);
      } else if (event.key === "Escape" && this.openIndex >= 0) {
        this.close(true);
      } else return;
      event.preventDefault();
      event.stopPropagation();
      return;
    }
    if (this.openIndex < 0) return;
    const items = this.menuItems(this.openIndex);
    const at = items.indexOf(target as HTMLButtonElement);
    if (event.key === "ArrowDown" || event.key === "ArrowUp") {
      const step = event.key === "ArrowDown" ? 1 : items.length - 1;
      items[(Math.max(at, 0) + step) % items.length]?.focus();
    } else if (event.key === "Home") items[0]?.focus();
    else if (event.key === "End") items[items.length - 1]?.focus();
    else if (event.key === "Escape") this.close(true);
    else if (event.key === "ArrowRight" || event.key === "ArrowLeft") {
      const next = (this.openIndex + (event.key === "ArrowRight" ? 1 : count - 1)) % count;
      this.open(next, true);
      this.tops[next].tabIndex = 0;
    } else if (event.key === "Tab") {
      this.close(false);
      return;
    } else return;
    event.preventDefault();
    event.stopPropagation();
  }
}
