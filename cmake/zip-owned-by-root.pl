#!/usr/bin/perl
# Sets to 0 the uid and gid that CPack puts in Info-ZIP's Unix extra field (0x7875) of a ZIP's
# central directory and local headers. No checksum covers these bytes.
use strict;
use warnings;

my ($path) = @ARGV;
open(my $file, '+<:raw', $path) or die "$path: $!\n";
my $zip = do { local $/; <$file> };

# Clears the uid and gid of the Unix extra field among the extra fields at $start, $length long.
sub clear_owner {
  my ($start, $length) = @_;
  for (my $at = $start; $at + 4 <= $start + $length;) {
    my ($id, $size) = unpack('v v', substr($zip, $at, 4));
    if ($id == 0x7875) {
      my $uid_size = unpack('C', substr($zip, $at + 5, 1));
      my $gid_at = $at + 6 + $uid_size;
      my $gid_size = unpack('C', substr($zip, $gid_at, 1));
      substr($zip, $at + 6, $uid_size) = "\0" x $uid_size;
      substr($zip, $gid_at + 1, $gid_size) = "\0" x $gid_size;
    }
    $at += 4 + $size;
  }
}

my $end = rindex($zip, "PK\x05\x06");
die "$path: no end of the central directory\n" if $end < 0;
my ($count, $directory) = unpack('v x4 V', substr($zip, $end + 10, 10));
for (my ($at, $entry) = ($directory, 0); $entry < $count; ++$entry) {
  die "$path: no central directory entry at $at\n" if substr($zip, $at, 4) ne "PK\x01\x02";
  my ($name, $extra, $comment) = unpack('v v v', substr($zip, $at + 28, 6));
  my $local = unpack('V', substr($zip, $at + 42, 4));
  clear_owner($at + 46 + $name, $extra);
  die "$path: no local header at $local\n" if substr($zip, $local, 4) ne "PK\x03\x04";
  my ($local_name, $local_extra) = unpack('v v', substr($zip, $local + 26, 4));
  clear_owner($local + 30 + $local_name, $local_extra);
  $at += 46 + $name + $extra + $comment;
}
seek($file, 0, 0) or die "$path: $!\n";
print $file $zip or die "$path: $!\n";
close($file) or die "$path: $!\n";
