// The game's boxes and windows as HTML dialogs: the request box, the task
// list, "nová úloha", the link import, "moje výsledky" and "pravidla".
import { BoardView } from "./board.js";
import {
  LinkImportJson,
  NewTaskJson,
  RequestJson,
  ResultsJson,
  RulesJson,
  TableJson,
  TaskListJson,
} from "./core.js";
import { el, newDialog, setEnabled, setShown, setText, showDialog } from "./dom.js";
import { timesPlot } from "./times_plot.js";

export interface Driver {
  act(action: string, a?: number, b?: number): void;
  setText(field: string, text: string): void;
  answer(answer: "yes" | "no" | "cancel"): void;
  cancelNewTask(): void;
}

// Escape and the browser's own closing of a modal dialog go through the
// game like the dialog's "zruš".
function onCancel(dialog: HTMLDialogElement, cancel: () => void): void {
  dialog.addEventListener("cancel", (event) => {
    event.preventDefault();
    cancel();
  });
}

type Answer = "yes" | "no" | "cancel";

const answersOf: Record<string, [string, Answer][]> = {
  message: [["OK", "cancel"]],
  error: [["OK", "cancel"]],
  failure: [["OK", "cancel"]],
  yesNo: [["Ano", "yes"], ["Ne", "no"]],
  yesNoCancel: [["Ano", "yes"], ["Ne", "no"], ["Storno", "cancel"]],
  solverQuestion: [[" jsem trouba", "yes"], ["byl to omyl", "no"]],
};

// The oldest request of the game: a modal box with its text and buttons.
// Nothing else is done while it is open.
export class RequestBox {
  private readonly dialog: HTMLDialogElement;
  private readonly heading: HTMLElement;
  private readonly text: HTMLElement;
  private readonly buttons: HTMLElement;
  private shown: RequestJson | null = null;

  constructor(private readonly driver: Driver) {
    const { dialog, body } = newDialog("requestBox", "součtové křížovky");
    this.dialog = dialog;
    this.heading = dialog.querySelector("h2")!;
    this.text = el("p", { className: "request-text", id: "requestText" });
    this.buttons = el("div", { className: "buttons" });
    body.append(this.text, this.buttons);
    dialog.setAttribute("aria-describedby", "requestText");
    onCancel(dialog, () => this.choose("cancel"));
  }

  isOpen(): boolean {
    return this.shown !== null;
  }

  // Over a window that opened after it: the oldest request is answered first.
  raise(): void {
    if (!this.shown) return;
    this.dialog.close();
    this.dialog.showModal();
    (this.buttons.firstElementChild as HTMLElement | null)?.focus();
  }

  show(request: RequestJson | undefined): void {
    if (!request || request.kind === "file") {
      if (this.shown) {
        this.shown = null;
        this.dialog.close();
      }
      return;
    }
    if (this.shown) return;
    this.shown = request;
    const error = request.kind === "error" || request.kind === "failure";
    this.dialog.classList.toggle("error", error);
    setText(
      this.heading,
      request.title || (request.kind === "solverQuestion" ? "Mám dotaz!" : error ? "chyba" : "součtové křížovky"),
    );
    // The solver's question is the desktop's own box, with its own words.
    this.text.textContent =
      request.text ||
      (request.kind === "solverQuestion"
        ? "Tuto úroveň jste stiskl(a) omylem, nebo jste skutečně takový(á) trouba?"
        : "");
    this.buttons.replaceChildren(
      ...(answersOf[request.kind] ?? answersOf.message).map(([label, answer]) =>
        el("button", { type: "button", text: label, onclick: () => this.choose(answer) }),
      ),
    );
    this.dialog.showModal();
    (this.buttons.firstElementChild as HTMLElement | null)?.focus();
  }

  private choose(answer: Answer): void {
    if (!this.shown) return;
    this.shown = null;
    this.dialog.close();
    this.driver.answer(answer);
  }
}

// "výběr úlohy": the collection or the player's own tasks, solved ones
// ticked with their result as the title, those in progress marked.
export class TaskListDialog {
  private readonly dialog: HTMLDialogElement;
  private readonly tabs: HTMLElement;
  private readonly collectionTab: HTMLButtonElement;
  private readonly ownTab: HTMLButtonElement;
  private readonly list: HTMLElement;
  private readonly emptyText: HTMLElement;
  // What the desktop's tip tells of the selected task (its description, its
  // best result, its game in progress), in sight where no tip shows.
  private readonly details: HTMLElement;
  private readonly dailyStatus: HTMLElement;
  private readonly chooseButton: HTMLButtonElement;
  private shownItems = "";
  private selected = -1;

  constructor(private readonly driver: Driver) {
    const { dialog, body } = newDialog("taskListDialog", "výběr úlohy");
    this.dialog = dialog;
    dialog.classList.add("task-list");
    this.collectionTab = el("button", { type: "button", role: "tab", text: "sbírka", onclick: () => driver.act("showOwnTasks", 0) });
    this.ownTab = el("button", { type: "button", role: "tab", text: "moje úlohy", onclick: () => driver.act("showOwnTasks", 1) });
    this.tabs = el("div", { role: "tablist", className: "tabs" }, this.collectionTab, this.ownTab);
    this.list = el("ul", { role: "listbox", id: "taskNames", "aria-label": "úlohy", tabindex: 0, className: "task-names" });
    this.emptyText = el("p", { className: "empty-list" });
    this.details = el("p", { className: "task-details", "aria-live": "polite" });
    this.dailyStatus = el("p", { className: "daily-status" });
    this.chooseButton = el("button", { type: "button", text: " vybráno", onclick: () => driver.act("chooseListedTask") });
    body.append(
      this.tabs,
      this.list,
      this.emptyText,
      this.details,
      this.dailyStatus,
      el(
        "div",
        { className: "buttons" },
        this.chooseButton,
        el("button", { type: "button", text: "zruš", onclick: () => driver.act("cancelTaskList") }),
      ),
    );
    onCancel(dialog, () => driver.act("cancelTaskList"));
    this.list.addEventListener("click", (event) => {
      const index = this.indexOf(event.target);
      if (index >= 0) driver.act("selectListedTask", index);
    });
    this.list.addEventListener("dblclick", (event) => {
      const index = this.indexOf(event.target);
      if (index < 0) return;
      if (index !== this.selected) driver.act("selectListedTask", index);
      driver.act("chooseListedTask");
    });
    this.list.addEventListener("keydown", (event) => this.onKey(event));
  }

  private indexOf(target: EventTarget | null): number {
    const item = (target as HTMLElement | null)?.closest?.("li");
    return item ? Number(item.dataset.index) : -1;
  }

  private onKey(event: KeyboardEvent): void {
    const count = this.list.children.length;
    if (count === 0) return;
    const steps: Record<string, number> = { ArrowDown: 1, ArrowUp: -1, PageDown: 10, PageUp: -10 };
    let next = -1;
    if (event.key in steps) next = Math.min(count - 1, Math.max(0, (this.selected < 0 ? 0 : this.selected) + steps[event.key]));
    else if (event.key === "Home") next = 0;
    else if (event.key === "End") next = count - 1;
    else if (event.key === "Enter") {
      event.preventDefault();
      if (this.selected >= 0) this.driver.act("chooseListedTask");
      return;
    } else return;
    event.preventDefault();
    if (next !== this.selected) this.driver.act("selectListedTask", next);
  }

  show(list: TaskListJson | undefined): void {
    const visible = list?.visible ?? false;
    if (list && visible) this.fill(list);
    showDialog(this.dialog, visible, () => this.list.focus());
  }

  private fill(list: TaskListJson): void {
    setShown(this.tabs, list.ownTasksSwitch);
    this.collectionTab.setAttribute("aria-selected", String(!list.ownTasks));
    this.ownTab.setAttribute("aria-selected", String(list.ownTasks));
    const key = JSON.stringify([list.items, list.solved, list.inProgress, list.descriptions]);
    if (key !== this.shownItems) {
      this.shownItems = key;
      this.list.replaceChildren(
        ...list.items.map((name, index) => {
          const inProgress = list.inProgress?.[name];
          const solved = list.solved?.[name];
          const tips = [list.descriptions?.[index], solved, inProgress].filter((tip) => tip);
          const mark = inProgress !== undefined ? "in-progress" : solved !== undefined ? "solved" : "";
          const state = inProgress !== undefined ? ", rozehraná" : solved !== undefined ? ", vyřešená" : "";
          return el(
            "li",
            {
              role: "option",
              className: mark,
              "data-index": index,
              id: `task${index}`,
              title: tips.join("\n") || undefined,
              "aria-label": name + state,
            },
            el("span", { className: "mark", "aria-hidden": "true" }),
            name,
          );
        }),
      );
      this.selected = -2;
    }
    if (this.selected !== list.selected) {
      this.selected = list.selected;
      for (const item of this.list.children)
        item.setAttribute("aria-selected", String(Number((item as HTMLElement).dataset.index) === list.selected));
      const chosen = this.list.children[list.selected] as HTMLElement | undefined;
      if (chosen) {
        this.list.setAttribute("aria-activedescendant", chosen.id);
        chosen.scrollIntoView({ block: "nearest" });
      } else this.list.removeAttribute("aria-activedescendant");
    }
    const name = list.items[list.selected];
    const tips = name === undefined ? [] : [list.descriptions?.[list.selected], list.solved?.[name], list.inProgress?.[name]];
    setText(this.details, tips.filter((tip) => tip).join(" · "));
    setText(this.emptyText, list.emptyListText);
    setShown(this.emptyText, list.emptyListText !== "");
    setText(this.dailyStatus, list.dailyStatus);
    setShown(this.dailyStatus, list.dailyStatus !== "");
    setEnabled(this.chooseButton, list.selected >= 0);
  }
}

// "nová úloha": grade, size and number; while the worker makes the task it
// says so, and "zruš" stops it.
export class NewTaskDialog {
  private readonly dialog: HTMLDialogElement;
  private readonly grades: HTMLSelectElement;
  private readonly sizes: HTMLSelectElement;
  private readonly number: HTMLInputElement;
  private readonly working: HTMLElement;
  private readonly bar: HTMLProgressElement;
  private readonly createButton: HTMLButtonElement;
  private shownGrades = "";
  private shownSizes = "";
  private shownNumber = 0;

  constructor(driver: Driver) {
    const { dialog, body } = newDialog("newTaskDialog", "nová úloha");
    this.dialog = dialog;
    this.grades = el("select", { id: "gradeChoice" });
    this.grades.addEventListener("change", () => driver.act("setGrade", this.grades.selectedIndex));
    this.sizes = el("select", { id: "sizeChoice" });
    this.sizes.addEventListener("change", () => driver.act("setSize", this.sizes.selectedIndex));
    this.number = el("input", {
      id: "numberField",
      type: "number",
      min: 0,
      max: 9999,
      step: 1,
      inputmode: "numeric",
      title: "Stejné číslo dá se stejnou obtížností a velikostí vždy stejnou úlohu, i u přítele.",
    });
    const setNumber = () => {
      if (this.number.value.trim() === "") return;
      const value = Math.round(Number(this.number.value));
      if (Number.isFinite(value)) driver.act("setNumber", Math.min(9999, Math.max(0, value)));
    };
    this.number.addEventListener("input", setNumber);
    this.number.addEventListener("change", () => {
      setNumber();
      this.number.value = String(this.shownNumber);
    });
    this.working = el("p", { className: "working", role: "status" });
    this.bar = el("progress", { "aria-hidden": "true" });
    this.createButton = el("button", { type: "button", text: "vytvoř", onclick: () => driver.act("createNewTask") });
    const cancel = () => driver.cancelNewTask();
    body.append(
      el(
        "div",
        { className: "form" },
        el("label", { for: "gradeChoice", text: "obtížnost:" }),
        this.grades,
        el("label", { for: "sizeChoice", text: "velikost:" }),
        this.sizes,
        el("label", { for: "numberField", text: "číslo úlohy:" }),
        this.number,
      ),
      this.working,
      this.bar,
      el("div", { className: "buttons" }, this.createButton, el("button", { type: "button", text: "zruš", onclick: cancel })),
    );
    onCancel(dialog, cancel);
  }

  show(task: NewTaskJson | undefined): void {
    const visible = task?.visible ?? false;
    if (task && visible) this.fill(task);
    // While the worker makes the task the page stays at the player's hand:
    // the dialog steps aside to the foot of the page, no longer modal, with
    // its "zruš", and the board answers taps until the task comes.
    const aside = visible && (task?.working ?? false);
    if (this.dialog.open && this.dialog.matches(":modal") === aside) this.dialog.close();
    this.dialog.classList.toggle("aside", aside);
    if (aside) {
      if (!this.dialog.open) this.dialog.show();
    } else {
      showDialog(this.dialog, visible, () => this.createButton.focus());
    }
  }

  private fill(task: NewTaskJson): void {
    const grades = JSON.stringify(task.grades);
    if (grades !== this.shownGrades) {
      this.shownGrades = grades;
      this.grades.replaceChildren(...task.grades.map((name) => el("option", { text: name })));
    }
    if (this.grades.selectedIndex !== task.grade) this.grades.selectedIndex = task.grade;
    const sizes = JSON.stringify(task.sizes);
    if (sizes !== this.shownSizes) {
      this.shownSizes = sizes;
      this.sizes.replaceChildren(...task.sizes.map((name) => el("option", { text: name })));
    }
    if (this.sizes.selectedIndex !== task.size) this.sizes.selectedIndex = task.size;
    // The field keeps what the player types until it loses the focus.
    this.shownNumber = task.number;
    if (document.activeElement !== this.number || task.working) this.number.value = String(task.number);
    for (const control of [this.grades, this.sizes, this.number, this.createButton]) setEnabled(control, !task.working);
    setText(
      this.working,
      task.maxAttempts > 0 ? `Vytvářím úlohu… (pokus ${task.attempt} z ${task.maxAttempts})` : "Vytvářím úlohu…",
    );
    this.working.style.visibility = task.workingShown ? "visible" : "hidden";
    this.bar.style.visibility = task.workingShown ? "visible" : "hidden";
  }
}

// "vložení úlohy z odkazu": the link or a pzprv3 file's text, the task's
// board as read, why it is refused, its name.
export class LinkImportDialog {
  private readonly dialog: HTMLDialogElement;
  private readonly link: HTMLTextAreaElement;
  private readonly name: HTMLInputElement;
  private readonly refusal: HTMLElement;
  private readonly preview: BoardView;
  private readonly previewHost: HTMLElement;
  private readonly importButton: HTMLButtonElement;

  constructor(driver: Driver) {
    const { dialog, body } = newDialog("linkImportDialog", "vložení úlohy z odkazu");
    this.dialog = dialog;
    this.link = el("textarea", { id: "linkField", rows: 4, spellcheck: "false", autocomplete: "off" });
    this.link.addEventListener("input", () => driver.setText("link", this.link.value));
    const file = el("input", { type: "file", accept: ".txt,text/plain", hidden: true });
    file.addEventListener("change", async () => {
      const chosen = file.files?.[0];
      file.value = "";
      if (!chosen) return;
      this.link.value = await chosen.text();
      driver.setText("link", this.link.value);
    });
    this.refusal = el("p", { className: "refusal", role: "alert" });
    this.previewHost = el("div", { className: "preview" });
    this.preview = new BoardView(this.previewHost, "náhled úlohy", null);
    this.name = el("input", { id: "importName", type: "text", maxlength: 40, autocomplete: "off" });
    this.name.addEventListener("input", () => driver.setText("importName", this.name.value));
    this.importButton = el("button", { type: "button", text: "vlož", onclick: () => driver.act("importLinkedTask") });
    const cancel = () => driver.act("cancelLinkImport");
    body.append(
      el("label", { for: "linkField", className: "multiline", text: "odkaz na součtovou křížovku (https://puzz.link/p?kakuro/…)\nnebo obsah souboru pzprv3:" }),
      this.link,
      el(
        "div",
        { className: "file-row" },
        this.refusal,
        el("button", { type: "button", text: "ze souboru…", onclick: () => file.click() }),
        file,
      ),
      this.previewHost,
      el("div", { className: "form" }, el("label", { for: "importName", text: "název úlohy:" }), this.name),
      el("div", { className: "buttons" }, this.importButton, el("button", { type: "button", text: "zruš", onclick: cancel })),
    );
    onCancel(dialog, cancel);
  }

  show(link: LinkImportJson | undefined): void {
    const visible = link?.visible ?? false;
    if (link && visible) {
      if (this.link.value !== link.text) this.link.value = link.text;
      if (this.name.value !== link.name) this.name.value = link.name;
      setText(this.refusal, link.refusal);
      setShown(this.previewHost, link.board !== undefined);
      this.preview.setRoom(Math.min(260, window.innerWidth - 80), 200);
      this.preview.show(link.board, undefined, false);
      setEnabled(this.importButton, link.board !== undefined);
    }
    showDialog(this.dialog, visible, () => this.link.focus());
  }
}

function tableOf(data: TableJson, caption: string): HTMLTableElement {
  const alignOf = (column: number) => (data.numeric[column] ? "numeric" : "");
  return el(
    "table",
    {},
    el("caption", { text: caption }),
    el("thead", {}, el("tr", {}, ...data.columns.map((title, c) => el("th", { scope: "col", className: alignOf(c), text: title })))),
    el("tbody", {}, ...data.rows.map((row) => el("tr", {}, ...row.map((text, c) => el("td", { className: alignOf(c), text }))))),
  );
}

// "moje výsledky" and "pravidla": windows the page opens itself, with what
// the game says at that moment.
export class InformationDialogs {
  private readonly results: HTMLDialogElement;
  private readonly resultsBody: HTMLElement;
  private readonly rules: HTMLDialogElement;
  private readonly rulesText: HTMLElement;

  constructor() {
    const results = newDialog("resultsDialog", "moje výsledky");
    this.results = results.dialog;
    this.results.classList.add("wide");
    this.resultsBody = el("div", { className: "tables" });
    results.body.append(
      this.resultsBody,
      el("div", { className: "buttons" }, el("button", { type: "button", text: "zavřít", onclick: () => this.results.close() })),
    );
    const rules = newDialog("rulesDialog", "pravidla");
    this.rules = rules.dialog;
    this.rules.classList.add("wide");
    this.rulesText = el("div", { className: "rules-text", tabindex: 0 });
    this.rulesText.addEventListener("dblclick", () => this.rules.close());
    rules.body.append(
      this.rulesText,
      el("div", { className: "buttons" }, el("button", { type: "button", text: "zavřít", onclick: () => this.rules.close() })),
    );
  }

  isOpen(): boolean {
    return this.results.open || this.rules.open;
  }

  showResults(results: ResultsJson): void {
    const nothing = results.latest.rows.length === 0;
    this.results.showModal();
    const width = Math.max(260, Math.min(640, this.resultsBody.clientWidth || window.innerWidth - 60));
    this.resultsBody.replaceChildren(
      ...(nothing ? [el("p", { text: "Zatím jste nevyřešil žádnou úlohu." })] : []),
      tableOf(results.grades, "podle obtížnosti:"),
      ...(results.streaks ? [el("p", { className: "streaks", text: results.streaks })] : []),
      el("p", { className: "plot-title", text: "časy posledních 30 výsledků podle obtížnosti:" }),
      timesPlot(results.times ?? [], width),
      tableOf(results.latest, "posledních 20 výsledků:"),
    );
  }

  showRules(rules: RulesJson): void {
    const lines = [...rules.lines];
    if (rules.problem) lines.push(rules.problem);
    this.rulesText.replaceChildren(...lines.map((line) => el("p", { text: line })));
    this.rules.showModal();
    this.rulesText.focus();
  }
}
