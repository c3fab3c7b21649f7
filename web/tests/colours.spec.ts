// "Barvy" on the page: the system's dark mode followed until the player
// chooses, the choice kept across a reload, and the board drawn in the
// scheme's colours. The schemes' colours themselves are the core's tests'.
import { expect, test, type Page } from "@playwright/test";
import { cell, chooseMenuItem, chooseTask, openPage } from "./helpers";

// The colour of the board's canvas in the middle of a square's lower left
// quarter (clear of the digit, the notes and the Mark's symbol).
async function squareColour(page: Page, row: number, column: number): Promise<string> {
  const box = await cell(page, row, column).boundingBox();
  if (!box) throw new Error("no square");
  return page.evaluate(
    ({ x, y }) => {
      const canvas = document.querySelector<HTMLCanvasElement>("#board canvas")!;
      const bounds = canvas.getBoundingClientRect();
      const ratio = canvas.width / bounds.width;
      const pixel = canvas.getContext("2d")!.getImageData((x - bounds.left) * ratio, (y - bounds.top) * ratio, 1, 1).data;
      return "#" + [pixel[0], pixel[1], pixel[2]].map((v) => v.toString(16).padStart(2, "0")).join("");
    },
    { x: box.x + box.width * 0.15, y: box.y + box.height * 0.85 },
  );
}

test.describe("with the system in dark mode", () => {
  test.use({ colorScheme: "dark" });

  test("the page is dark until a scheme is chosen, and the choice stays", async ({ page }) => {
    await openPage(page);
    await expect(page.locator("body")).toHaveClass(/theme-dark/);
    await chooseTask(page, "01 lehká");
    expect(await squareColour(page, 2, 4)).toBe("#1e1e1e");

    await chooseMenuItem(page, "Volby", "pro barvoslepé");
    await expect(page.locator("body")).not.toHaveClass(/theme-dark/);
    expect(await squareColour(page, 2, 4)).toBe("#ffffff");
    await page.reload();
    await expect(page.locator("[data-ready]")).toHaveCount(1);
    await expect(page.locator("body")).not.toHaveClass(/theme-dark/);
    await page.getByRole("button", { name: "Volby", exact: true }).click();
    await expect(page.getByRole("menuitemradio", { name: "pro barvoslepé" })).toHaveAttribute("aria-checked", "true");
  });
});

test("the selected square's runs are shaded until the option is off", async ({ page }) => {
  await openPage(page);
  await chooseTask(page, "01 lehká");
  const plain = await squareColour(page, 2, 5);
  await cell(page, 2, 4).click();
  // The next square of the run across shows the shade, not the plain fill.
  expect(await squareColour(page, 2, 5)).not.toBe(plain);
  await chooseMenuItem(page, "Volby", "Zvýrazňovat úseky");
  expect(await squareColour(page, 2, 5)).toBe(plain);
});
