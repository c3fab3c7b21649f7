// A few helpers for building the page's parts by hand: the page is small and
// needs no framework.

type Props = Record<string, string | number | boolean | EventListener | undefined>;

export function el<K extends keyof HTMLElementTagNameMap>(
  tag: K,
  props: Props = {},
  ...children: (Node | string)[]
): HTMLElementTagNameMap[K] {
  const element = document.createElement(tag);
  for (const [name, value] of Object.entries(props)) {
    if (value === undefined || value === false) continue;
    if (typeof value === "function") element.addEventListener(name.replace(/^on/, ""), value);
    else if (name === "className") element.className = String(value);
    else if (name === "text") element.textContent = String(value);
    else element.setAttribute(name, value === true ? "" : String(value));
  }
  element.append(...children);
  return element;
}

export function byId<T extends HTMLElement = HTMLElement>(id: string): T {
  const element = document.getElementById(id);
  if (!element) throw new Error(`#${id} is missing from the page`);
  return element as T;
}

export function setText(element: HTMLElement, text: string): void {
  if (element.textContent !== text) element.textContent = text;
}

export function setShown(element: HTMLElement, shown: boolean): void {
  if (element.hidden === shown) element.hidden = !shown;
}

export function setEnabled(element: HTMLButtonElement | HTMLInputElement | HTMLSelectElement, enabled: boolean): void {
  if (element.disabled === enabled) element.disabled = !enabled;
}

// A dialog the game opens and closes: shown modal while its part of the
// screen says it is visible.
export function showDialog(dialog: HTMLDialogElement, visible: boolean, focus?: () => void): void {
  if (visible && !dialog.open) {
    dialog.showModal();
    focus?.();
  } else if (!visible && dialog.open) {
    dialog.close();
  }
}

export function newDialog(id: string, title: string): { dialog: HTMLDialogElement; body: HTMLElement } {
  const heading = el("h2", { id: `${id}Title`, text: title });
  const body = el("div", { className: "dialog-body" });
  const dialog = el("dialog", { id, "aria-labelledby": `${id}Title` }, heading, body);
  document.body.append(dialog);
  return { dialog, body };
}
