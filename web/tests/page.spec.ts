// The page in a real browser: a shipped task played to the congratulation by
// taps alone, notes and the history, a task made in the worker while the page
// answers, a link in the address, and the game kept across reloads, also
// with the network cut. The rules themselves are the core's tests' business.
import { expect, test } from "@playwright/test";
import { cell, cellLabel, chooseMenuItem, chooseTask, keypad, openPage, solutionOf } from "./helpers";

test.describe("on a phone held upright", () => {
  test.use({ viewport: { width: 390, height: 780 }, hasTouch: true, isMobile: true });

  test("a shipped task is played to the congratulation by taps on squares and the keypad", async ({ page }) => {
    await openPage(page);
    await chooseTask(page, "01 lehká");
    const pad = page.getByRole("group", { name: "klávesnice" });
    for (const { row, column, digit } of solutionOf("data/krizovky.KRI", "01 lehká")) {
      // "Doplňovat" may have completed the run already.
      if ((await cellLabel(page, row, column)).endsWith(`, ${digit}`)) continue;
      await cell(page, row, column).tap();
      await pad.getByRole("button", { name: String(digit), exact: true }).tap();
    }
    const box = page.getByRole("dialog");
    await expect(box).toContainText("gratuluji!");
    await box.getByRole("button", { name: "OK" }).tap();
  });
});

test("notes, undo and redo from the keypad", async ({ page }) => {
  await openPage(page);
  await chooseTask(page, "01 lehká");
  await chooseMenuItem(page, "Volby", "Doplňovat");  // no run completes by itself here
  const [first] = solutionOf("data/krizovky.KRI", "01 lehká");
  await cell(page, first.row, first.column).click();
  await keypad(page, "poznámky");
  await keypad(page, "1");
  await keypad(page, "3");
  await expect(cell(page, first.row, first.column)).toHaveAttribute("aria-label", /prázdné, poznámky 1 3$/);
  await keypad(page, "poznámky");
  await keypad(page, String(first.digit));
  await expect(cell(page, first.row, first.column)).toHaveAttribute("aria-label", new RegExp(`, ${first.digit}$`));
  await keypad(page, "zpět");
  await expect(cell(page, first.row, first.column)).toHaveAttribute("aria-label", /prázdné/);
  await keypad(page, "vpřed");
  await expect(cell(page, first.row, first.column)).toHaveAttribute("aria-label", new RegExp(`, ${first.digit}$`));
});

test("a large task is made in the worker while the page still answers a tap", async ({ page }) => {
  await openPage(page);
  await chooseTask(page, "01 lehká");
  const [first] = solutionOf("data/krizovky.KRI", "01 lehká");
  await chooseMenuItem(page, "Hra", "Nová úloha…");
  const dialog = page.getByRole("dialog");
  await dialog.getByLabel("velikost").selectOption({ label: "velká" });
  await dialog.getByLabel("obtížnost").selectOption({ label: "velmi těžká" });
  await dialog.getByLabel("číslo úlohy").fill("27");  // among the longest makings of its size
  await dialog.getByRole("button", { name: "vytvoř" }).click();
  // Whether the making was under way when the tap reached the page: a page
  // that made the task itself would see the tap only once it was made.
  await page.evaluate(() => {
    const making = document.getElementById("newTaskDialog")!;
    document.addEventListener("click", () => {
      (window as unknown as { tapWhileMaking: boolean }).tapWhileMaking = making.classList.contains("aside");
    }, { capture: true, once: true });
  });
  await cell(page, first.row, first.column).click();
  expect(await page.evaluate(() => (window as unknown as { tapWhileMaking: boolean }).tapWhileMaking)).toBe(true);
  await expect(page.getByText("V 15 27")).toBeVisible({ timeout: 30_000 });
  await expect(page.locator("#newTaskDialog")).not.toHaveAttribute("open");
});

test("a link in the address opens its task", async ({ page }) => {
  await openPage(page, "?kakuro/5/5/48la0.na0lh3l0Bn.0cl.c4a3");
  await expect(page.getByText("odkaz 6x6")).toBeVisible();
  await expect(cell(page, 1, 3)).toHaveAttribute("aria-label", /dolů 12/);
  // The address no longer holds the link: a reload keeps the game, no new import.
  expect(page.url()).not.toContain("kakuro");
});

test("a reload keeps the game, also with the network cut", async ({ page, context }) => {
  await openPage(page);
  await chooseTask(page, "01 lehká");
  await chooseMenuItem(page, "Volby", "Doplňovat");
  const [first, second] = solutionOf("data/krizovky.KRI", "01 lehká");
  await cell(page, first.row, first.column).click();
  await keypad(page, String(first.digit));
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  await page.reload();
  await expect(page.locator("[data-ready]")).toHaveCount(1);
  await expect(cell(page, first.row, first.column)).toHaveAttribute("aria-label", new RegExp(`, ${first.digit}$`));

  await context.setOffline(true);
  await page.reload();
  await expect(page.locator("[data-ready]")).toHaveCount(1);
  await expect(cell(page, first.row, first.column)).toHaveAttribute("aria-label", new RegExp(`, ${first.digit}$`));
  await cell(page, second.row, second.column).click();
  await keypad(page, String(second.digit));
  await expect(cell(page, second.row, second.column)).toHaveAttribute("aria-label", new RegExp(`, ${second.digit}$`));
  await context.setOffline(false);
});
