/* 7zs.sfx: the self-extracting module of a Slidekiln package. 7-Zip writes this
   program followed by the package's archive; run, it unpacks the archive into a
   private folder, runs the viewer launcher from there and removes the folder
   when the show ends. Its options list, check or unpack the package instead. */
#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <stdbool.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "FolderWriter.h"
#include "Installer.h"
#include "Messages.h"
#include "PackageReader.h"
#include "PayloadLocator.h"
#include "ShowFolder.h"
#include "shared/StopSignals.h"

/* The program in the package that chooses how to show the presentation. */
static const char kLauncher[] = "show.bin";

static const char kUsage[] =
    "Usage: %s [OPTION]\n"
    "Shows the presentation in this package. Nothing needs to be installed: the\n"
    "package unpacks into a private temporary folder and removes it afterwards.\n"
    "\n"
    "  --list           list the files in the package\n"
    "  --check          verify every file of the package, show nothing\n"
    "  --extract DIR    unpack the package into DIR, show nothing; asks before\n"
    "                   replacing files unless --force is given\n"
    "  --force          with --extract: replace existing files without asking\n"
    "  --help           show this help\n";

typedef enum { RUN_SHOW, RUN_LIST, RUN_CHECK, RUN_EXTRACT, RUN_HELP } run_kind;

typedef struct {
    run_kind kind;
    const char* target;
    bool force;
} options;

static volatile sig_atomic_t g_signal = 0;
static volatile pid_t g_child = 0;

static void forward_signal(int number) {
    g_signal = number;
    if (g_child > 0) kill(g_child, number);
}


static bool parse_options(int argc, char** argv, options* chosen) {
    *chosen = (options){.kind = RUN_SHOW};
    for (int i = 1; i < argc; ++i) {
        const char* option = argv[i];
        run_kind kind = RUN_SHOW;
        if (strcmp(option, "--force") == 0) {
            chosen->force = true;
            continue;
        }
        if (strcmp(option, "--help") == 0 || strcmp(option, "-h") == 0) {
            kind = RUN_HELP;
        } else if (strcmp(option, "--list") == 0) {
            kind = RUN_LIST;
        } else if (strcmp(option, "--check") == 0) {
            kind = RUN_CHECK;
        } else if (strcmp(option, "--extract") == 0 && i + 1 < argc) {
            kind = RUN_EXTRACT;
            chosen->target = argv[++i];
        } else {
            sfx_report_error("Slidekiln package: unknown option \"%s\" (try --help)", option);
            return false;
        }
        if (chosen->kind != RUN_SHOW) {
            sfx_report_error("Slidekiln package: give only one of --list, --check, --extract and --help");
            return false;
        }
        chosen->kind = kind;
    }
    if (chosen->force && chosen->kind != RUN_EXTRACT) {
        sfx_report_error("Slidekiln package: --force goes with --extract DIR");
        return false;
    }
    return true;
}

/* Opens this program and finds the archive behind it. */
static int open_package(off_t* offset) {
    int fd = open("/proc/self/exe", O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        sfx_report_error("Slidekiln package: cannot read this program (%s); is /proc mounted?", strerror(errno));
        return -1;
    }
    if (!sfx_find_payload(fd, offset)) {
        sfx_report_error("Slidekiln package: this program holds no presentation package; the file is damaged "
                         "or incomplete");
        close(fd);
        return -1;
    }
    return fd;
}

static bool read_package(int package, off_t offset, sfx_read_mode mode, int folder, sfx_reading* reading) {
    *reading = (sfx_reading){.mode = mode, .folder_fd = folder, .stop_request = &g_signal};
    if (sfx_read_package(package, offset, reading)) return true;
    sfx_report_error("Slidekiln package: %s", reading->error);
    return false;
}

static int list_or_check(int package, off_t offset, sfx_read_mode mode) {
    sfx_reading reading;
    if (!read_package(package, offset, mode, -1, &reading)) return 1;
    if (mode == SFX_CHECK) printf("All %llu files of the package are intact.\n", reading.entries);
    return 0;
}

// ---------------------------------------------------------------------------
// Unpacking into a folder the user names

/* Whether existing files may be replaced: --force, or a yes on the terminal. */
static bool may_replace(const char* target, const sfx_installation* found, bool force) {
    if (found->existing == 0 || force) return true;
    if (!isatty(STDIN_FILENO)) {
        sfx_report_error("Slidekiln package: %u files already exist in \"%s\" (\"%s\" among them); nothing was "
                         "replaced. Use --force to replace them.",
                         found->existing, target, found->first_existing);
        return false;
    }
    fprintf(stderr, "%u files already exist in \"%s\" (\"%s\" among them). Replace them? [y/N] ", found->existing,
            target, found->first_existing);
    char answer[16] = "";
    if (!fgets(answer, sizeof answer, stdin) || (answer[0] != 'y' && answer[0] != 'Y')) {
        fprintf(stderr, "Nothing was replaced.\n");
        return false;
    }
    return true;
}

static bool install(int staged, int target_fd, const char* target, bool force) {
    sfx_installation installation = {0};
    if (!sfx_find_existing(staged, target_fd, &installation)) {
        sfx_report_error("Slidekiln package: %s", installation.error);
        return false;
    }
    if (!may_replace(target, &installation, force)) return false;
    if (sfx_move_into(staged, target_fd, &installation)) return true;
    sfx_report_error("Slidekiln package: %s", installation.error);
    return false;
}

static int extract_into(int package, off_t offset, const char* target, bool force) {
    if (mkdir(target, 0755) != 0 && errno != EEXIST) {
        sfx_report_error("Slidekiln package: cannot create \"%s\": %s", target, strerror(errno));
        return 1;
    }
    int target_fd = open(target, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    char staging[PATH_MAX];
    if (target_fd < 0 || (size_t)snprintf(staging, sizeof staging, "%s/.slidekiln-unpack-XXXXXX", target) >=
                             sizeof staging || !mkdtemp(staging)) {
        sfx_report_error("Slidekiln package: cannot unpack into \"%s\": %s", target, strerror(errno));
        if (target_fd >= 0) close(target_fd);
        return 1;
    }
    /* Everything is unpacked beside the target first, so that a damaged package
       replaces nothing. */
    const char* staging_name = strrchr(staging, '/') + 1;
    int staged = openat(target_fd, staging_name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    sfx_reading reading;
    bool done = staged >= 0 && read_package(package, offset, SFX_EXTRACT, staged, &reading) &&
                install(staged, target_fd, target, force);
    if (staged >= 0) close(staged);
    sfx_remove_tree(target_fd, staging_name);
    close(target_fd);
    if (done) printf("Unpacked %llu files into \"%s\".\n", reading.entries, target);
    return done ? 0 : 1;
}

// ---------------------------------------------------------------------------
// The show

static int exit_status(int status) {
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : 1;
}

/* Runs the launcher in the folder and waits for it, passing signals on. */
static int run_launcher(int folder, const char* path) {
    struct stat info;
    if (fstatat(folder, kLauncher, &info, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(info.st_mode)) {
        sfx_report_error("Slidekiln package: the package holds no viewer (%s)", kLauncher);
        return 1;
    }
    fchmodat(folder, kLauncher, 0700, 0);
    pid_t child = fork();
    if (child == 0) {
        stop_signals_default();
        if (fchdir(folder) == 0) {
            setenv("PWD", path, 1);
            execl("./show.bin", kLauncher, (char*)NULL);
        }
        sfx_report_error("Slidekiln package: cannot start the viewer: %s", strerror(errno));
        _exit(127);
    }
    if (child < 0) {
        sfx_report_error("Slidekiln package: cannot start the viewer: %s", strerror(errno));
        return 1;
    }
    g_child = child;
    if (g_signal) kill(child, g_signal);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    g_child = 0;
    return exit_status(status);
}

static int show(int package, off_t offset) {
    char base[PATH_MAX];
    char path[PATH_MAX];
    if (!sfx_show_base(base, sizeof base)) {
        sfx_report_error("Slidekiln package: there is no temporary folder to unpack the presentation into");
        return 1;
    }
    sfx_sweep_abandoned(base);
    int folder = sfx_create_show_folder(base, path, sizeof path);
    if (folder < 0) {
        sfx_report_error("Slidekiln package: cannot create a folder in \"%s\": %s", base, strerror(errno));
        return 1;
    }
    sfx_reading reading;
    int status = 1;
    if (read_package(package, offset, SFX_EXTRACT, folder, &reading))
        status = g_signal ? 128 + g_signal : run_launcher(folder, path);
    close(folder);
    int base_fd = open(base, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (base_fd < 0 || !sfx_remove_tree(base_fd, strrchr(path, '/') + 1))
        sfx_report_error("Slidekiln package: could not remove the temporary folder \"%s\"", path);
    if (base_fd >= 0) close(base_fd);
    return status;
}

int main(int argc, char** argv) {
    options chosen;
    if (!parse_options(argc, argv, &chosen)) return 2;
    if (chosen.kind == RUN_HELP) {
        printf(kUsage, argv[0]);
        return 0;
    }
    /* Started with SIGCHLD ignored (some launchers do so), no child could be
       waited for: the viewer's status and the error windows would be lost. */
    signal(SIGCHLD, SIG_DFL);
    stop_signals_catch(forward_signal);
    off_t offset = 0;
    int package = open_package(&offset);
    if (package < 0) return 1;
    int status = 1;
    switch (chosen.kind) {
    case RUN_LIST: status = list_or_check(package, offset, SFX_LIST); break;
    case RUN_CHECK: status = list_or_check(package, offset, SFX_CHECK); break;
    case RUN_EXTRACT: status = extract_into(package, offset, chosen.target, chosen.force); break;
    case RUN_SHOW:
    case RUN_HELP: status = show(package, offset); break;
    }
    close(package);
    return status;
}
