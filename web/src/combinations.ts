// "tabulka kombinací" ("Pomoc"): every combination of distinct digits by
// length and sum, narrowed by the digits it must and must not hold, with
// buttons that take the selected square's across or down run. The filter is
// the game's; the dialog shows what the game says after each change.
import { el, newDialog, setEnabled, setText } from "./dom.js";

export interface CombinationRunJson {
  caption: string;
  length?: number;
  sum?: number;
}

export interface CombinationsJson {
  length: number;
  sum: number;
  lowestSum: number;
  highestSum: number;
  required: number; // bit d for digit d
  excluded: number;
  combinations: string[];
  count: string;
  across: CombinationRunJson;
  down: CombinationRunJson;
}

export interface CombinationsDriver {
  act(action: string, a?: number): void;
  combinations(): CombinationsJson;
}

const digits = [1, 2, 3, 4, 5, 6, 7, 8, 9];

export class CombinationsDialog {
  private readonly dialog: HTMLDialogElement;
  private readonly acrossButton: HTMLButtonElement;
  private readonly downButton: HTMLButtonElement;
  private readonly length: HTMLSelectElement;
  private readonly sum: HTMLSelectElement;
  private readonly required: HTMLButtonElement[];
  private readonly excluded: HTMLButtonElement[];
  private readonly count: HTMLElement;
  private readonly list: HTMLElement;
  private shownSums = "";
  private shownList = "";

  constructor(private readonly driver: CombinationsDriver) {
    const { dialog, body } = newDialog("combinationsDialog", "tabulka kombinací");
    this.dialog = dialog;
    dialog.classList.add("combinations");
    this.acrossButton = el("button", { type: "button", onclick: () => this.change("chooseAcrossRun") });
    this.downButton = el("button", { type: "button", onclick: () => this.change("chooseDownRun") });
    this.length = el("select", { id: "combinationLength" });
    this.length.append(
      el("option", { value: "0", text: "libovolná" }),
      ...digits.map((d) => el("option", { value: String(d), text: String(d) })),
    );
    this.length.addEventListener("change", () => this.change("chooseCombinationLength", Number(this.length.value)));
    this.sum = el("select", { id: "combinationSum" });
    this.sum.addEventListener("change", () => this.change("chooseCombinationSum", Number(this.sum.value)));
    const digitRow = (label: string, action: string) =>
      digits.map((d) =>
        el("button", {
          type: "button",
          className: "digit-filter",
          "aria-pressed": "false",
          "aria-label": `${label} ${d}`,
          text: String(d),
          onclick: () => this.change(action, d),
        }),
      );
    this.required = digitRow("musí obsahovat", "toggleRequiredDigit");
    this.excluded = digitRow("nesmí obsahovat", "toggleExcludedDigit");
    this.count = el("p", { className: "combination-count", "aria-live": "polite" });
    this.list = el("ul", { className: "combination-list", "aria-label": "kombinace", tabindex: 0 });
    body.append(
      el("div", { className: "buttons runs" }, this.acrossButton, this.downButton),
      el(
        "div",
        { className: "form" },
        el("label", { for: "combinationLength", text: "délka:" }),
        this.length,
        el("label", { for: "combinationSum", text: "součet:" }),
        this.sum,
      ),
      el("p", { className: "digit-title", text: "musí obsahovat:" }),
      el("div", { role: "group", "aria-label": "musí obsahovat", className: "digit-filters" }, ...this.required),
      el("p", { className: "digit-title", text: "nesmí obsahovat:" }),
      el("div", { role: "group", "aria-label": "nesmí obsahovat", className: "digit-filters" }, ...this.excluded),
      this.count,
      this.list,
      el(
        "div",
        { className: "buttons" },
        el("button", { type: "button", text: "zavřít", onclick: () => this.dialog.close() }),
      ),
    );
  }

  // From the menu: the selected square's run preselected.
  open(): void {
    this.driver.act("openCombinations");
    this.show(this.driver.combinations());
    if (!this.dialog.open) this.dialog.showModal();
    this.length.focus();
  }

  private change(action: string, value?: number): void {
    this.driver.act(action, value);
    this.show(this.driver.combinations());
  }

  private show(shown: CombinationsJson): void {
    setText(this.acrossButton, shown.across.caption);
    setEnabled(this.acrossButton, shown.across.length !== undefined);
    setText(this.downButton, shown.down.caption);
    setEnabled(this.downButton, shown.down.length !== undefined);
    this.length.value = String(shown.length);
    const sums = `${shown.lowestSum}-${shown.highestSum}`;
    if (sums !== this.shownSums) {
      this.shownSums = sums;
      const options = [el("option", { value: "0", text: "libovolný" })];
      for (let s = shown.lowestSum; s <= shown.highestSum; s++)
        options.push(el("option", { value: String(s), text: String(s) }));
      this.sum.replaceChildren(...options);
    }
    this.sum.value = String(shown.sum);
    digits.forEach((d, i) => {
      this.required[i].setAttribute("aria-pressed", String((shown.required & (1 << d)) !== 0));
      this.excluded[i].setAttribute("aria-pressed", String((shown.excluded & (1 << d)) !== 0));
    });
    setText(this.count, shown.count);
    const listed = shown.combinations.join(" ");
    if (listed !== this.shownList) {
      this.shownList = listed;
      this.list.replaceChildren(...shown.combinations.map((digitText) => el("li", { text: digitText })));
    }
  }
}
