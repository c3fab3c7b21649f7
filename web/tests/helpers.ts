// What the page's tests share: the page opened fresh, its board read through
// the labels of its ARIA grid, a shipped task's solution from the tool.
//
// The page as the tests find it (by roles and labels, as a screen reader does):
// - an element with the attribute data-ready once the core has started and the
//   page answers a tap;
// - the board: role grid, its squares role gridcell labelled "řádek R, sloupec C, …";
// - the keypad: role group labelled "klávesnice", its buttons named "1".."9",
//   "vymaž", "poznámky", "zpět", "vpřed";
// - the menus: buttons named "Hra", "Volby", "Pomoc", "Informace" that open
//   a role menu of the desktop's items without "&" (menuitem, menuitemcheckbox,
//   menuitemradio);
// - every box and dialog: role dialog, its buttons named by their texts
//   ("OK", "Ano", "Ne", " vybráno", "vytvoř", "zruš").
import { execFileSync } from "node:child_process";
import { resolve } from "node:path";
import { expect, type Locator, type Page } from "@playwright/test";

export const root = resolve(__dirname, "../..");

// The page, loaded and ready: the board or the start answers a tap.
export async function openPage(page: Page, query = ""): Promise<void> {
  await page.goto("/index.html" + query);
  await expect(page.locator("[data-ready]")).toHaveCount(1, { timeout: 10_000 });
}

export function cell(page: Page, row: number, column: number): Locator {
  return page.getByRole("gridcell", { name: new RegExp(`^řádek ${row}, sloupec ${column},`) });
}

export async function cellLabel(page: Page, row: number, column: number): Promise<string> {
  return (await cell(page, row, column).getAttribute("aria-label")) ?? "";
}

// A menu item of the page's menus, opened from the menu bar or the menu button.
export async function chooseMenuItem(page: Page, menu: string, item: string): Promise<void> {
  await page.getByRole("button", { name: menu, exact: true }).click();
  // Plain items, ticked ones and the radio items of a group alike.
  await page.getByRole("menu").getByText(item, { exact: true }).click();
}

export async function chooseTask(page: Page, name: string): Promise<void> {
  await chooseMenuItem(page, "Hra", "Výběr úlohy");
  const list = page.getByRole("dialog");
  await list.getByText(name, { exact: true }).dblclick();
  await expect(page.getByRole("grid")).toBeVisible();
}

// The digits of a task's one solution by row and column, as the tool's
// solve prints it.
export function solutionOf(taskFile: string, name: string): { row: number; column: number; digit: number }[] {
  const out = execFileSync(resolve(root, "build-web/krizovky-tool"), ["solve", taskFile, name], {
    cwd: root,
    encoding: "utf8",
  });
  const rows = out.split("\n").filter((line) => line.startsWith("x") || /^\d/.test(line));
  const digits: { row: number; column: number; digit: number }[] = [];
  rows.slice(-15).forEach((line, r) =>
    line.split(" ").forEach((token, c) => {
      if (/^[1-9]$/.test(token)) digits.push({ row: r + 1, column: c + 1, digit: Number(token) });
    }),
  );
  return digits;
}

export async function keypad(page: Page, label: string): Promise<void> {
  await page.getByRole("group", { name: "klávesnice" }).getByRole("button", { name: label, exact: true }).click();
}
