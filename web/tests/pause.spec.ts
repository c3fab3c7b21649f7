// "Pauza" on the page: the board covered and the clock standing until the
// player goes on, by the menu, the key P or "pokračovat".
import { expect, test } from "@playwright/test";
import { cell, chooseMenuItem, chooseTask, openPage } from "./helpers";

test("the pause covers the board, stops the clock and takes no digit", async ({ page }) => {
  await openPage(page);
  await chooseTask(page, "01 lehká");
  await cell(page, 2, 4).click();
  await chooseMenuItem(page, "Hra", "Pauza");
  const cover = page.locator("#pauseCover");
  await expect(cover).toBeVisible();
  const clock = page.locator("#playClock");
  const shown = await clock.textContent();
  await page.waitForTimeout(1300);
  await expect(clock).toHaveText(shown ?? "");
  await page.keyboard.press("7");
  await page.getByRole("button", { name: "pokračovat" }).click();
  await expect(cover).toBeHidden();
  expect(await cell(page, 2, 4).getAttribute("aria-label")).toMatch(/prázdné$/);
  await page.keyboard.press("p");
  await expect(cover).toBeVisible();
  await page.keyboard.press("P");
  await expect(cover).toBeHidden();
});
