// "Tabulka kombinací" on the page: opened from "Pomoc" on a square of the
// example task, it shows the square's across run's combinations, and its
// digit filters and run buttons reach the game. The combinations themselves
// are the core's tests' business.
import { expect, test } from "@playwright/test";
import { cell, chooseMenuItem, chooseTask, openPage } from "./helpers";

test("the selected square's run is preselected and the filters narrow its combinations", async ({ page }) => {
  await openPage(page);
  await chooseTask(page, "priklad");  // 8 and 11 across, 16 and 3 down
  await cell(page, 2, 2).click();
  await chooseMenuItem(page, "Pomoc", "Tabulka kombinací");
  const dialog = page.getByRole("dialog", { name: "tabulka kombinací" });
  await expect(dialog).toBeVisible();
  const list = dialog.getByRole("list", { name: "kombinace" }).getByRole("listitem");
  await expect(dialog.getByRole("button", { name: "vodorovně: 2 políčka, součet 8" })).toBeVisible();
  await expect(dialog.getByLabel("délka:")).toHaveValue("2");
  await expect(dialog.getByLabel("součet:")).toHaveValue("8");
  await expect(list).toHaveText(["17", "26", "35"]);
  await expect(dialog.getByText("3 kombinace", { exact: true })).toBeVisible();

  const excluded = dialog.getByRole("group", { name: "nesmí obsahovat" });
  const required = dialog.getByRole("group", { name: "musí obsahovat" });
  await excluded.getByRole("button", { name: "nesmí obsahovat 1" }).click();
  await required.getByRole("button", { name: "musí obsahovat 3" }).click();
  await expect(list).toHaveText(["35"]);
  await excluded.getByRole("button", { name: "nesmí obsahovat 3" }).click();
  await expect(required.getByRole("button", { name: "musí obsahovat 3" })).toHaveAttribute("aria-pressed", "false");
  await expect(list).toHaveText(["26"]);

  await dialog.getByRole("button", { name: "svisle: 2 políčka, součet 16" }).click();
  await expect(list).toHaveText(["79"]);
  await dialog.getByLabel("délka:").selectOption({ label: "libovolná" });
  await dialog.getByLabel("součet:").selectOption({ label: "7" });
  await expect(list).toHaveText(["7", "25"]);
  await expect(dialog.getByText("2 kombinace", { exact: true })).toBeVisible();

  await dialog.getByRole("button", { name: "zavřít" }).click();
  await expect(dialog).toBeHidden();
});
