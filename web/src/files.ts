// What the browser gives the game for its files and links: a download for
// "Ulož", a file picker for "Načti", the clipboard for "Kopírovat odkaz".
import { FileRequest } from "./core.js";

// "*.sav" -> ".sav"; "*.sav *.txt" -> ".sav,.txt".
export function acceptOf(pattern: string): string {
  return pattern
    .split(/[\s;]+/)
    .map((part) => part.replace(/^\*/, ""))
    .filter((part) => part.startsWith("."))
    .join(",");
}

// The name a saved game is downloaded under: the game's own, or (where the
// game offers only a pattern, "*.ulo") the task's name with the file type's
// extension.
export function saveNameOf(file: FileRequest, taskName: string): string {
  const offered = (file.fileName ?? "").replace(/^.*[\\/]/, "");
  if (offered && !/[*?]/.test(offered)) return offered;
  const extension = acceptOf(file.filterPattern).split(",")[0] || "";
  const base = taskName.trim().replace(/[\\/:*?"<>|\u0000-\u001f]+/g, "_") || "krizovka";
  return base + extension;
}

export function download(name: string, bytes: Uint8Array): void {
  const blob = new Blob([bytes as Uint8Array<ArrayBuffer>], { type: "application/octet-stream" });
  const url = URL.createObjectURL(blob);
  const link = document.createElement("a");
  link.href = url;
  link.download = name;
  link.hidden = true;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 10_000);
}

// Opens the browser's file picker; chosen gets the file or null when the
// player closes the picker without one.
export function pickFile(accept: string, chosen: (file: { name: string; bytes: Uint8Array } | null) => void): void {
  const input = document.createElement("input");
  input.type = "file";
  if (accept) input.accept = accept;
  input.hidden = true;
  let answered = false;
  const answer = (file: { name: string; bytes: Uint8Array } | null) => {
    if (answered) return;
    answered = true;
    input.remove();
    chosen(file);
  };
  input.addEventListener("change", async () => {
    const file = input.files?.[0];
    if (!file) return answer(null);
    answer({ name: file.name, bytes: new Uint8Array(await file.arrayBuffer()) });
  });
  input.addEventListener("cancel", () => answer(null));
  document.body.append(input);
  input.click();
}

export function copyText(text: string): void {
  const fallback = () => {
    const field = document.createElement("textarea");
    field.value = text;
    field.setAttribute("readonly", "");
    field.style.position = "fixed";
    field.style.opacity = "0";
    document.body.append(field);
    field.select();
    try {
      document.execCommand("copy");
    } finally {
      field.remove();
    }
  };
  if (navigator.clipboard?.writeText) navigator.clipboard.writeText(text).catch(fallback);
  else fallback();
}

// A task link in the page's address: "?kakuro/…", "?m+kakuro/…", "#kakuro/…".
export function linkOfAddress(location: Location): string | null {
  for (const part of [location.search, location.hash]) {
    if (part.length < 2) continue;
    let link = part.slice(1);
    try {
      link = decodeURIComponent(link);
    } catch {
      // Left as it stands: the game says what is wrong with it.
    }
    if (/^(m\+)?kakuro\//.test(link)) return link;
  }
  return null;
}
