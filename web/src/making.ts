// The worker that makes the tasks of "Nová úloha". Ending it is the only way
// to stop a making; a fresh one then waits for the next.
export class TaskMaker {
  private worker: Worker | null = null;
  private pending = new Set<number>();

  constructor(private readonly done: (id: number, result: string) => void) {}

  // Loads the worker's core ahead of the first making.
  prepare(): void {
    this.worker ??= this.spawn();
  }

  start(id: number, request: string): void {
    this.prepare();
    this.pending.add(id);
    this.worker!.postMessage({ id, request });
  }

  restart(): void {
    this.worker?.terminate();
    this.pending.clear();
    this.worker = this.spawn();
  }

  private spawn(): Worker {
    const worker = new Worker(new URL("./worker.js", import.meta.url), { type: "module", name: "tvorba úloh" });
    worker.onmessage = (event: MessageEvent<{ id: number; result?: string; error?: string }>) => {
      const { id, result, error } = event.data;
      this.pending.delete(id);
      this.done(id, result ?? failedMaking(error ?? ""));
    };
    // A worker that cannot start (its core did not load) fails the makings
    // it was given, as a making that failed: the game says so.
    worker.onerror = (event) => {
      event.preventDefault();
      if (this.worker === worker) this.worker = null;
      worker.terminate();
      const ids = [...this.pending];
      this.pending.clear();
      for (const id of ids) this.done(id, failedMaking(event.message || "pracovní vlákno se nespustilo"));
    };
    return worker;
  }
}

// A task not made, with the reason, in the form of the core's made tasks.
export function failedMaking(reason: string): string {
  const row = new Array<string>(16).fill("");
  return JSON.stringify({
    made: false,
    cancelled: false,
    failure: reason,
    name: "",
    description: "",
    text: "",
    grid: Array.from({ length: 16 }, () => row),
    grade: 0,
    attempts: 0,
    ratings: 0,
    seconds: 0,
  });
}
