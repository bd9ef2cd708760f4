// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Mounts.h"

#include <gtest/gtest.h>

namespace tollwick {
namespace {

using Lines = std::vector<std::string>;

// A desktop with snaps, flatpaks, a container, a USB stick and a network share, as the kernel lists it.
const Lines sampleMountInfo = {
    "22 28 0:21 / /sys rw,nosuid,nodev,noexec,relatime shared:7 - sysfs sysfs rw",
    "23 28 0:22 / /proc rw,nosuid,nodev,noexec,relatime shared:14 - proc proc rw",
    "24 28 0:5 / /dev rw,nosuid,relatime shared:2 - devtmpfs udev rw,size=8049900k",
    "26 28 0:24 / /run rw,nosuid,nodev,noexec,relatime shared:5 - tmpfs tmpfs rw,size=1615652k,mode=755",
    "28 1 259:2 / / rw,relatime shared:1 - ext4 /dev/nvme0n1p2 rw,errors=remount-ro",
    "30 22 0:6 / /sys/kernel/security rw,nosuid shared:8 - securityfs securityfs rw",
    "31 24 0:26 / /dev/shm rw,nosuid,nodev shared:4 - tmpfs tmpfs rw",
    "34 22 0:29 / /sys/fs/cgroup rw,nosuid,nodev,noexec,relatime shared:9 - cgroup2 cgroup2 rw",
    "40 22 0:33 / /sys/fs/bpf rw,nosuid,nodev,noexec,relatime shared:11 - bpf bpf rw,mode=700",
    "41 23 0:34 / /proc/sys/fs/binfmt_misc rw,relatime shared:12 - autofs systemd-1 rw",
    "60 28 7:1 / /snap/core22/1122 ro,nodev,relatime shared:30 - squashfs /dev/loop1 ro",
    "61 28 7:2 / /snap/firefox/3600 ro,nodev,relatime shared:31 - squashfs /dev/loop2 ro",
    "70 28 259:1 / /boot/efi rw,relatime shared:35 - vfat /dev/nvme0n1p1 rw,fmask=0077",
    "71 28 259:3 / /home rw,relatime shared:36 - ext4 /dev/nvme0n1p3 rw",
    "72 28 0:40 / /tmp rw,nosuid,nodev shared:37 - tmpfs tmpfs rw",
    "80 26 0:45 / /run/user/1000 rw,nosuid,nodev,relatime shared:40 - tmpfs tmpfs rw,size=1615648k,uid=1000",
    "81 80 0:46 / /run/user/1000/doc rw,nosuid,nodev,relatime shared:41 - fuse.portal portal rw,user_id=1000",
    "82 26 0:47 / /run/snapd/ns rw,nosuid,nodev,noexec,relatime - tmpfs tmpfs rw",
    "83 82 0:4 mnt:[4026532601] /run/snapd/ns/firefox.mnt rw - nsfs nsfs rw",
    "90 28 0:50 / /var/lib/docker/overlay2/4f1e/merged rw,relatime - overlay overlay rw,lowerdir=/a,upperdir=/b",
    "91 71 259:3 /user/.local/share/flatpak/app/org.gimp.GIMP /var/lib/flatpak/app/x rw - ext4 /dev/nvme0n1p3 rw",
    "95 26 8:17 / /run/media/user/CAMERA rw,nosuid,nodev,relatime shared:50 - vfat /dev/sdb1 rw,uid=1000",
    "96 28 8:33 / /media/user/My\\040Stick rw,nosuid,nodev,relatime shared:51 - exfat /dev/sdc1 rw",
    "97 28 0:52 / /mnt/server rw,nosuid,nodev,relatime shared:52 - fuse.sshfs user@server: rw,user_id=1000",
    "98 28 0:53 / /mnt/nas rw,relatime shared:53 - nfs4 nas:/photos rw,vers=4.2",
    // The same place mounted again: the later mount is the one seen, and a pseudo one hides it.
    "99 28 8:49 / /mnt/backup rw,relatime shared:54 - ext4 /dev/sdd1 rw",
    "100 99 8:50 / /mnt/backup rw,relatime shared:55 - ext4 /dev/sdd2 rw",
    "101 28 0:54 / /mnt/scratch rw,relatime - ext4 /dev/sde1 rw",
    "102 101 0:55 / /mnt/scratch rw,relatime - squashfs /dev/loop9 ro",
};

TEST(UserMountPoints, KeepThePlacesAPersonUsesInMountOrder)
{
    EXPECT_EQ(UserMountPoints(sampleMountInfo),
              (Lines{"/", "/boot/efi", "/home", "/tmp", "/run/media/user/CAMERA", "/media/user/My Stick", "/mnt/server",
                     "/mnt/nas", "/mnt/backup"}));
}

TEST(UserMountPoints, LinesThatAreNoMountsAreSkipped)
{
    EXPECT_EQ(
        UserMountPoints({"", "garbage", "36 35 98:0 /mnt1 /mnt/parent rw master:1 ext3 /dev/root rw",
                         "36 35 98:0 / /mnt/a\\134b\\011c rw - ext4 /dev/sda1 rw", "37 35 98:0 / /mnt/short rw -"}),
        (Lines{"/mnt/a\\b\tc"}));
}

TEST(IsUserMount, PseudoAndSandboxMountsAreLeftOutWherever)
{
    EXPECT_FALSE(IsUserMount({"/media/cgroup", "cgroup", "cgroup"}));
    EXPECT_FALSE(IsUserMount({"/home/user/merged", "overlay", "overlay"}));
    EXPECT_FALSE(IsUserMount({"/sys/fs/fuse/connections", "tmpfs", "tmpfs"}));
    EXPECT_FALSE(IsUserMount({"/var/lib/snapd/hostfs", "ext4", "/dev/sda1"}));
    EXPECT_FALSE(IsUserMount({"/srv/app", "ext4", "/home/user/.local/share/flatpak/app/x"}));
    EXPECT_TRUE(IsUserMount({"/runaway", "tmpfs", "tmpfs"})); // only /run itself and below
    EXPECT_TRUE(IsUserMount({"/home/user/snapshots", "btrfs", "/dev/sda2"}));
}

} // namespace
} // namespace tollwick
